#pragma once

#include "AnalysisTask.h"
#include "Gate.h"
#include "document/GeoPosition.h"
#include "document/IgcFlight.h"
#include "navpoints/Navpoint.h"
#include "navpoints/NavpointList.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// One turnpoint of the task being analysed: a copy of its navpoint and the radius within which
// it counts as reached (nm).
struct TaskTurnpoint {
    navpoints::Navpoint navpoint;
    double radius = 0;
    GeoPosition position;
};

// The position of a navpoint.
GeoPosition PositionOf(const navpoints::Navpoint& navpoint);

// Task status codes.
enum class TaskStatus : int {
    NotAnalysed = 0,
    NoTask = 1,
    DidNotStart = 2,
    Incomplete = 3,
    Completed = 4,
    NotContestant = 5,
    NoData = 7,
};

// "Not Analyzed", "No Task Defined", … for a status code; unknown codes read "Not Analyzed".
const char* StatusText(int status);

// Scores one flight against a contest task: marks every fix with its states, finds roll, start,
// turnpoint achievements, finish and landing, optimises assigned-area points, derives the
// furthest progress of an incomplete flight and collects notes. The analysis marks its own copy
// of the fixes. Distances are nautical miles, altitudes feet, times local.
class FlightAnalysis : public IgcFlight {
public:
    FlightAnalysis() = default;
    // Reads the header records of the flight's IGC file; ReadFixes then reads its fixes.
    explicit FlightAnalysis(std::filesystem::path path) : IgcFlight(std::move(path)) {}

    // Runs every step on the fixes. False when there are no fixes, no turnpoints or no home
    // navpoint (the status and note say which); the analysis never fails after those checks.
    // `displayUnit` is the distance unit of the notes and of the assigned radii.
    bool Analyse(const AnalysisTask& task, const navpoints::NavpointList& navpoints,
                 int displayUnit);

    int Status() const { return static_cast<int>(run_.status); }
    const char* StatusText() const { return vantrel::StatusText(Status()); }
    int DisplayUnit() const { return run_.displayUnit; }
    int TaskType() const { return run_.taskType; }

    std::time_t RollTime() const { return run_.rollTime; }
    std::time_t StartTime() const { return run_.startTime; }
    std::time_t FinishTime() const { return run_.finishTime; }
    std::time_t LandingTime() const { return run_.landingTime; }
    std::time_t TaskOpenTime() const { return run_.taskOpenTime; }
    bool Started() const { return run_.started; }
    bool AllTurnpointsAchieved() const { return run_.allAchieved; }
    bool Finished() const { return run_.finished; }
    bool Completed() const { return run_.started && run_.allAchieved && run_.finished; }

    // Fix indexes of the events; -1 when there is none.
    int StartFix() const { return run_.startFix; }
    int FinishFix() const { return run_.finishFix; }
    int LandingFix() const { return run_.landingFix; }
    int FurthestProgressFix() const { return run_.furthestFix; }

    const std::vector<int>& AchievedIds() const { return run_.achievedIds; }
    const std::vector<std::string>& Notes() const { return run_.notes; }
    const GeoPosition& LandingPosition() const { return run_.landingPosition; }
    const GeoPosition& FurthestProgressPosition() const { return run_.furthestPosition; }
    // Start centre, the chosen point of each achieved turnpoint, finish centre; empty unless
    // the assigned area optimisation ran.
    const std::vector<GeoPosition>& AssignedAreaPoints() const { return run_.assignedAreaPoints; }

    const Gate& StartGate() const { return run_.startGate; }
    const Gate& FinishGate() const { return run_.finishGate; }
    const std::optional<navpoints::Navpoint>& HomeNavpoint() const { return run_.home; }
    const std::optional<navpoints::Navpoint>& StartNavpoint() const { return run_.start; }
    const std::optional<navpoints::Navpoint>& FinishNavpoint() const { return run_.finish; }
    // The task's turnpoints found in the navpoint list, in task order.
    const std::vector<TaskTurnpoint>& Turnpoints() const { return run_.turnpoints; }

    // The per-fix state text of a fix; empty out of range.
    std::string FixStateText(int index) const;

private:
    struct Run {
        TaskStatus status = TaskStatus::NotAnalysed;
        int taskType = AnalysisTask::kOrdinary;
        int displayUnit = 0;
        double navpointRadius = 0;
        double turnpointRadius = 0;
        Gate startGate;
        Gate finishGate;
        std::optional<navpoints::Navpoint> home;
        std::optional<navpoints::Navpoint> start;
        std::optional<navpoints::Navpoint> finish;
        std::vector<TaskTurnpoint> turnpoints;
        std::int32_t homeElevation = 0; // feet
        bool noAltitude = false;
        std::time_t rollTime = 0;
        std::time_t startTime = 0;
        std::time_t finishTime = 0;
        std::time_t landingTime = 0;
        std::time_t taskOpenTime = 0;
        bool started = false;
        bool allAchieved = false;
        bool finished = false;
        int startFix = -1;
        int finishFix = -1;
        int landingFix = -1;
        int furthestFix = -1;
        // The fix at which the turnpoint sequence was met, and the landing that ends the
        // finish search.
        int allMetFix = -1;
        int sequenceLandingFix = -1;
        // Per turnpoint, the marked fix nearest it (-1 when none), found while marking.
        std::vector<int> closestFixes;
        // The fixes that follow a gap, found by the fix pass.
        std::vector<int> gapFixes;
        // The first Landed fix at or after the first LatestStart fix.
        int landedFromStart = -1;
        std::vector<int> achievedIds;
        std::vector<int> achievedFixes;
        std::vector<std::string> notes;
        GeoPosition landingPosition;
        GeoPosition furthestPosition;
        std::vector<GeoPosition> assignedAreaPoints;
    };

    bool CheckTask(const AnalysisTask& task, const navpoints::NavpointList& navpoints);
    void ResolveTask(const AnalysisTask& task, const navpoints::NavpointList& navpoints);
    void SetGates(const AnalysisTask& task);

    // The fix pass: statistics, flags, corrected altitude, speed, climb; then the turnpoint
    // zones.
    void RunFixPass();
    void MarkFix(std::size_t i, std::int32_t altitudeOffset, bool& flown);
    void MarkGates(IgcFix& fix) const;
    void MarkTurnpointZones();

    void FindStartCandidates();
    void FollowTurnpointSequence();
    void FindFinish();
    void FindLatestStart();
    void FindRoll();
    std::time_t StartTimeAt(int fix) const;
    std::optional<std::time_t> FinishTimeAt(int fix) const;

    void AchieveTurnpoints();
    void NoteClosestFixes();
    void FindLanding();
    void OptimiseAssignedArea();
    int ChooseAreaPoint(std::size_t k, int from, const std::vector<GeoPosition>& points) const;
    void NoteGaps();
    void NoteTimeOrder();
    void FindFurthestProgress();
    int FurthestProgressSearchStart() const;

    void Note(std::string text) { run_.notes.push_back(std::move(text)); }
    double Shown(double nauticalMiles) const;
    // A gate height in feet above the home elevation, as an altitude; wide enough for any
    // heights a configuration file holds.
    long long AboveHome(std::int32_t height) const {
        return static_cast<long long>(run_.homeElevation) + height;
    }

    Run run_;
};

} // namespace vantrel
