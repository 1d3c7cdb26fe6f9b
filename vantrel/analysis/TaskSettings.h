#pragma once

#include "AnalysisTask.h"
#include "Gate.h"
#include "IdList.h"
#include "document/IgcDeclaration.h"
#include "navpoints/NavpointList.h"

#include <array>
#include <filesystem>
#include <vector>

namespace vantrel {

// The task settings the analysis wizard holds and the analysis configuration file keeps.
// Radii in nautical miles; assigned radii whole numbers in the display unit.
struct TaskSettings {
    // "From Log" or "From File".
    bool navpointsFromLog = true;
    std::filesystem::path navpointFile;
    double turnpointRadius = 1.0;
    double navpointRadius = 0.25;
    std::vector<int> turnpointIds; // task order, at most 12
    bool assignedAreaTask = false;
    std::array<int, kIdListLength> assignedRadii{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    Gate startGate;
    Gate finishGate;
    // The task display's marks of the two gates (the file's two flags).
    bool startGateShown = true;
    bool finishGateShown = true;
};

// A flight window's settings: turnpoint radius 1.0 and navpoint radius 0.25 display units, and
// the window's default gates.
TaskSettings DefaultTaskSettings(int distanceUnit, int altitudeUnit);

// The entry check of the wizard's radius fields (display units).
constexpr bool RadiusEntryAccepted(double shown) {
    return shown >= 0.1 && shown <= 100.0;
}

// The task the engine receives from these settings: task type 3 with the assigned area task,
// else 0.
AnalysisTask AnalysisTaskOf(const TaskSettings& settings);

// Fills the task from a declaration: each declared turnpoint (between the start and the
// finish) at a non-zero latitude and longitude takes the id of the first navpoint within 1e-5
// degrees in both (points without one are left out); the declared start and finish give the
// gate centres by the same test, a gate keeping its centre when none matches.
void PrefillFromDeclaration(const IgcDeclaration& declaration,
                            const navpoints::NavpointList& navpoints, TaskSettings& settings);

} // namespace vantrel
