#include "IgcFix.h"

namespace vantrel {

TurnpointSlots::TurnpointSlots(const TurnpointSlots& other)
    : slots_(other.slots_ ? std::make_unique<Slots>(*other.slots_) : nullptr) {}

TurnpointSlots& TurnpointSlots::operator=(const TurnpointSlots& other) {
    if (this != &other)
        slots_ = other.slots_ ? std::make_unique<Slots>(*other.slots_) : nullptr;
    return *this;
}

double TurnpointSlots::Distance(std::size_t turnpoint) const {
    return slots_ && turnpoint < kCount ? slots_->distances[turnpoint] : 0.0;
}

std::int32_t TurnpointSlots::Mark(std::size_t turnpoint) const {
    return slots_ && turnpoint < kCount ? slots_->marks[turnpoint] : -1;
}

void TurnpointSlots::SetDistance(std::size_t turnpoint, double nauticalMiles) {
    if (turnpoint < kCount)
        Written().distances[turnpoint] = nauticalMiles;
}

void TurnpointSlots::SetMark(std::size_t turnpoint, std::int32_t id) {
    if (turnpoint < kCount)
        Written().marks[turnpoint] = id;
}

TurnpointSlots::Slots& TurnpointSlots::Written() {
    if (!slots_)
        slots_ = std::make_unique<Slots>();
    return *slots_;
}

} // namespace vantrel
