#include "FlightAnalysis.h"

#include "document/FixFlags.h"
#include "document/Units.h"
#include "navpoints/Attributes.h"

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

constexpr const char* kNoDataNote = "There were no data points in the flight log, or the program "
                                    "encountered an error reading the IGC file.";
constexpr const char* kNoTaskNote = "No Task has been specified.";
constexpr const char* kNoHomeNote =
    "No control point has the \"H\" (home) attribute set.\n Cannot perform an analysis without "
    "the home control point defned.";

std::optional<navpoints::Navpoint> Found(const navpoints::NavpointList& navpoints, int id) {
    const auto* navpoint = navpoints.Find(id);
    return navpoint ? std::optional(*navpoint) : std::nullopt;
}

} // namespace

GeoPosition PositionOf(const navpoints::Navpoint& navpoint) {
    return GeoPosition::At(navpoint.Latitude(), navpoint.Longitude());
}

const char* StatusText(int status) {
    switch (static_cast<TaskStatus>(status)) {
    case TaskStatus::NoTask:
        return "No Task Defined";
    case TaskStatus::DidNotStart:
        return "Did Not Start";
    case TaskStatus::Incomplete:
        return "Incomplete";
    case TaskStatus::Completed:
        return "Completed Task";
    case TaskStatus::NotContestant:
        return "Not a Contestant";
    case TaskStatus::NoData:
        return "No Data in Flight Log, ";
    case TaskStatus::NotAnalysed:
        break;
    }
    return "Not Analyzed";
}

bool FlightAnalysis::Analyse(const AnalysisTask& task, const navpoints::NavpointList& navpoints,
                             int displayUnit) {
    run_ = {};
    run_.displayUnit = displayUnit;
    run_.taskType = task.taskType;
    run_.navpointRadius = task.navpointRadius;
    run_.turnpointRadius = task.turnpointRadius;
    if (!CheckTask(task, navpoints))
        return false;
    ResolveTask(task, navpoints);
    SetGates(task);

    RunFixPass();
    FindStartCandidates();
    FollowTurnpointSequence();
    FindFinish();
    FindLatestStart();
    FindRoll();
    AchieveTurnpoints();
    FindLanding();
    if (run_.taskType == AnalysisTask::kAssignedArea)
        OptimiseAssignedArea();
    NoteGaps();
    NoteTimeOrder();
    FindFurthestProgress();

    run_.status = Completed()    ? TaskStatus::Completed
                  : run_.started ? TaskStatus::Incomplete
                                 : TaskStatus::DidNotStart;
    return true;
}

bool FlightAnalysis::CheckTask(const AnalysisTask& task, const navpoints::NavpointList& navpoints) {
    if (Fixes().empty()) {
        run_.status = TaskStatus::NoData;
        Note(kNoDataNote);
        return false;
    }
    if (task.turnpointIds.empty()) {
        run_.status = TaskStatus::NoTask;
        Note(kNoTaskNote);
        return false;
    }
    for (const navpoints::Navpoint* navpoint : navpoints.InOrder()) {
        if (navpoint->Has(navpoints::attribute::kHome)) {
            run_.home = *navpoint;
            return true;
        }
    }
    Note(kNoHomeNote);
    return false;
}

void FlightAnalysis::ResolveTask(const AnalysisTask& task,
                                 const navpoints::NavpointList& navpoints) {
    const std::size_t count = std::min(task.turnpointIds.size(), AnalysisTask::kMostTurnpoints);
    for (std::size_t k = 0; k < count; ++k) {
        const auto navpoint = Found(navpoints, task.turnpointIds[k]);
        if (!navpoint)
            continue;
        double radius = task.navpointRadius;
        if (task.taskType == AnalysisTask::kAssignedArea) {
            const int assigned = k < task.assignedRadii.size() ? task.assignedRadii[k] : 1;
            radius = ConvertDistance(assigned, run_.displayUnit, kNauticalMiles);
        }
        run_.turnpoints.push_back({*navpoint, radius, PositionOf(*navpoint)});
    }
    run_.start = Found(navpoints, task.startGate.centreId);
    run_.finish = Found(navpoints, task.finishGate.centreId);
    run_.taskOpenTime = task.taskOpenTime;
}

void FlightAnalysis::SetGates(const AnalysisTask& task) {
    run_.startGate = task.startGate;
    run_.finishGate = task.finishGate;
    const auto& turnpoints = run_.turnpoints;
    if (run_.startGate.perpendicular && run_.start && !turnpoints.empty())
        run_.startGate.heading = Bearing(PositionOf(*run_.start), turnpoints.front().position);
    if (run_.finishGate.perpendicular && run_.finish && !turnpoints.empty())
        run_.finishGate.heading = Bearing(PositionOf(*run_.finish), turnpoints.back().position);
    if (run_.start)
        run_.startGate.BuildGeometry(*run_.start);
    if (run_.finish)
        run_.finishGate.BuildGeometry(*run_.finish);
}

std::string FlightAnalysis::FixStateText(int index) const {
    const IgcFix* fix = Fix(index);
    return fix ? vantrel::FixStateText(fix->flags, run_.startGate.IsCylinder(),
                                       run_.finishGate.IsCylinder())
               : std::string();
}

double FlightAnalysis::Shown(double nauticalMiles) const {
    return ConvertDistance(nauticalMiles, kNauticalMiles, run_.displayUnit);
}

} // namespace vantrel
