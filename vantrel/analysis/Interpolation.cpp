#include "Interpolation.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

long long RoundHalfUp(double value) {
    // Beyond this a double holds whole numbers only; not-a-number gives 0.
    constexpr double kLargest = 9.0e18;
    if (!(std::fabs(value) < kLargest))
        return std::isnan(value) ? 0 : static_cast<long long>(std::copysign(kLargest, value));
    const double whole = std::trunc(value);
    return static_cast<long long>(value - whole >= 0.5 ? whole + 1 : whole);
}

std::time_t InterpolatedTime(std::time_t previousTime, std::time_t time, double limit,
                             double previousValue, double value) {
    const double change = value - previousValue;
    // Equal values give no fraction; the crossing is then taken at the later fix.
    const double ratio = std::fabs((limit - previousValue) / change);
    const double fraction = change == 0 || std::isnan(ratio) ? 1.0 : std::clamp(ratio, 0.0, 1.0);
    return previousTime + static_cast<std::time_t>(
                              RoundHalfUp(static_cast<double>(time - previousTime) * fraction));
}

} // namespace vantrel
