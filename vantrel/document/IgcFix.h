#pragma once

#include "FixFlags.h"
#include "GeoPosition.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>

namespace vantrel {

// The analysis's distance to each turnpoint and its mark of each turnpoint for one fix: 0 and
// -1 until written. The slots are made when the first is written, so reading a flight does not
// pay for what only the analysis uses.
class TurnpointSlots {
public:
    static constexpr std::size_t kCount = 24;

    TurnpointSlots() = default;
    TurnpointSlots(const TurnpointSlots& other);
    TurnpointSlots& operator=(const TurnpointSlots& other);
    TurnpointSlots(TurnpointSlots&&) noexcept = default;
    TurnpointSlots& operator=(TurnpointSlots&&) noexcept = default;
    ~TurnpointSlots() = default;

    // Nautical miles; 0 when not written or out of range.
    double Distance(std::size_t turnpoint) const;
    // The turnpoint's id when the fix is within its outer radius; -1 when not written or out of
    // range.
    std::int32_t Mark(std::size_t turnpoint) const;
    // Writes outside 0 .. 23 are ignored.
    void SetDistance(std::size_t turnpoint, double nauticalMiles);
    void SetMark(std::size_t turnpoint, std::int32_t id);
    // Back to 0 and -1.
    void Clear() { slots_.reset(); }
    // Back to 0 and -1, keeping slots already made for the next writes (an analysis run again
    // over the same fixes).
    void Reset() {
        if (slots_)
            *slots_ = Slots();
    }

private:
    struct Slots {
        std::array<double, kCount> distances{};
        std::array<std::int32_t, kCount> marks;
        Slots() { marks.fill(-1); }
    };
    Slots& Written();

    std::unique_ptr<Slots> slots_;
};

// One valid B record of a flight, with what is derived from it and what the analysis writes.
struct IgcFix : GeoPosition {
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
    TurnpointSlots turnpoints;
};

} // namespace vantrel
