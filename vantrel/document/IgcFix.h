#pragma once

#include "FixFlags.h"
#include "GeoPosition.h"

#include <array>
#include <cstdint>
#include <ctime>

namespace vantrel {

// One valid B record of a flight, with what is derived from it and what the analysis writes.
struct IgcFix : GeoPosition {
    static constexpr std::size_t kTurnpointSlots = 24;

    double distanceToFinishCentre = 0;  // nm, written by the analysis
    double distanceToStartCentre = 0;   // nm, written by the analysis
    std::time_t time = 0;               // local time, after the flight's time shift
    std::int32_t pressureAltitude = 0;  // feet
    std::int32_t gpsAltitude = 0;       // feet
    std::int32_t correctedAltitude = 0; // feet, written by the analysis
    FixFlags flags;
    double accuracy = 0; // nm
    std::int32_t engineNoiseLevel = 0;
    double groundSpeed = 0; // knots, smoothed
    float climbRate = 0;    // feet per second
    std::array<double, kTurnpointSlots> turnpointDistances{};
    std::array<std::int32_t, kTurnpointSlots> turnpointMarks = MarksCleared();

    static constexpr std::array<std::int32_t, kTurnpointSlots> MarksCleared() {
        std::array<std::int32_t, kTurnpointSlots> marks{};
        marks.fill(-1);
        return marks;
    }
};

} // namespace vantrel
