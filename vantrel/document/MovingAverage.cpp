#include "MovingAverage.h"

namespace vantrel {

MovingAverage::MovingAverage(std::size_t slots) : slots_(slots == 0 ? 1 : slots) {}

void MovingAverage::Add(double value) {
    slots_[next_] = {value, true};
    next_ = (next_ + 1) % slots_.size();
}

double MovingAverage::Mean() const {
    double sum = 0;
    int filled = 0;
    for (const Slot& slot : slots_) {
        if (slot.filled) {
            sum += slot.value;
            ++filled;
        }
    }
    return filled == 0 ? 0.0 : sum / filled;
}

} // namespace vantrel
