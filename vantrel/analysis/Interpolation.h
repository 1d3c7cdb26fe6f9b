#pragma once

#include <ctime>

namespace vantrel {

// A value rounded half up: a fractional part of at least 0.5 rounds to the next whole number,
// otherwise to the whole part (toward zero).
long long RoundHalfUp(double value);

// The time at which a value passed `limit` between two fixes: previous time + the time between
// them x |(limit - previous value) / (value - previous value)|, the fraction held within 0..1
// (1 when the two values are equal), rounded half up to whole seconds.
std::time_t InterpolatedTime(std::time_t previousTime, std::time_t time, double limit,
                             double previousValue, double value);

} // namespace vantrel
