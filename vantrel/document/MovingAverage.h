#pragma once

#include <cstddef>
#include <vector>

namespace vantrel {

// The mean of the last N values added (fewer until N have been added).
class MovingAverage {
public:
    explicit MovingAverage(std::size_t slots);

    void Add(double value);
    // Sum of the filled slots over their number; 0 when none is filled.
    double Mean() const;

private:
    struct Slot {
        double value = 0;
        bool filled = false;
    };
    std::vector<Slot> slots_;
    std::size_t next_ = 0;
};

} // namespace vantrel
