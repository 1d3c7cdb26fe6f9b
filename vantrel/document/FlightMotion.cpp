#include "FlightMotion.h"

#include "MovingAverage.h"
#include "Units.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr double kLargestSpeedStep = 40.0;  // knots
constexpr double kSpeedStepPerSecond = 4.0; // knots
constexpr std::size_t kHalfWindow = 2;
constexpr std::size_t kClimbWindow = 5;

} // namespace

long long SecondsSincePrevious(const std::vector<IgcFix>& fixes, std::size_t i) {
    return i == 0 ? 0 : static_cast<long long>(fixes[i].time) - fixes[i - 1].time;
}

std::vector<double> LimitedSpeeds(const std::vector<IgcFix>& fixes) {
    std::vector<double> limited(fixes.size(), 0.0);
    double raw = 0;
    for (std::size_t i = 1; i < fixes.size(); ++i) {
        const long long dt = SecondsSincePrevious(fixes, i);
        if (dt > 0)
            raw =
                Distance(fixes[i - 1], fixes[i], kNauticalMiles) / static_cast<double>(dt) * 3600.0;
        // A step back in time allows no change at all rather than a negative limit.
        const double limit =
            std::clamp(kSpeedStepPerSecond * static_cast<double>(dt), 0.0, kLargestSpeedStep);
        const double previous = limited[i - 1];
        limited[i] = std::clamp(raw, previous - limit, previous + limit);
    }
    return limited;
}

double CentredMean(const std::vector<double>& values, std::size_t i) {
    double sum = 0;
    for (std::size_t k = i >= kHalfWindow ? i - kHalfWindow : 0;
         k <= i + kHalfWindow && k < values.size(); ++k)
        sum += values[k];
    return sum / static_cast<double>(2 * kHalfWindow + 1);
}

void DeriveSpeedAndClimb(std::vector<IgcFix>& fixes) {
    const auto limited = LimitedSpeeds(fixes);
    MovingAverage climb(kClimbWindow);
    for (std::size_t i = 0; i < fixes.size(); ++i) {
        fixes[i].groundSpeed = CentredMean(limited, i);
        climb.Add(i == 0 ? 0.0 : fixes[i].pressureAltitude - fixes[i - 1].pressureAltitude);
        fixes[i].climbRate = 0;
        if (i == 0)
            continue;
        const long long dt = SecondsSincePrevious(fixes, i);
        // A step of no time keeps the previous rate rather than dividing by zero.
        fixes[i].climbRate = dt > 0 ? static_cast<float>(climb.Mean() / static_cast<double>(dt))
                                    : fixes[i - 1].climbRate;
    }
}

} // namespace vantrel
