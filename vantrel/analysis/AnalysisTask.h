#pragma once

#include "Gate.h"

#include <cstddef>
#include <ctime>
#include <vector>

namespace vantrel {

// The contest task a flight is analysed against, as the engine receives it. Distances in
// nautical miles, except the assigned radii, which are whole numbers in the display unit.
struct AnalysisTask {
    static constexpr int kOrdinary = 0;
    static constexpr int kAssignedArea = 3;
    // The most turnpoints the engine follows.
    static constexpr std::size_t kMostTurnpoints = 24;

    int taskType = kOrdinary;
    std::vector<int> turnpointIds; // task order
    // One per turnpoint for an assigned area task; a missing one counts as 1.
    std::vector<int> assignedRadii;
    Gate startGate;
    Gate finishGate;
    double navpointRadius = 0.25;
    double turnpointRadius = 1.0;
    // The task open time; 0 when none is set, which leaves every start open.
    std::time_t taskOpenTime = 0;
};

} // namespace vantrel
