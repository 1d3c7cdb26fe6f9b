#include "Distance.h"

#include "Navpoint.h"

#include <algorithm>
#include <cmath>

namespace navpoints {
namespace {

constexpr double kMilesPerDegree = 69.09332474;
constexpr double kKilometresPerDegree = 111.1949267;

constexpr double kSamePlaceKilometres = 0.05;
constexpr double kSamePlaceMetres = 3.0;

double SquaredSineOfHalf(double radians) {
    const double sine = std::sin(radians / 2.0);
    return sine * sine;
}

} // namespace

Distances Distance(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double phi1 = latitude1 * kRadiansPerDegree;
    const double phi2 = latitude2 * kRadiansPerDegree;
    const double deltaLambda = (longitude2 - longitude1) * kRadiansPerDegree;
    const double a = SquaredSineOfHalf(phi2 - phi1) +
                     std::cos(phi1) * std::cos(phi2) * SquaredSineOfHalf(deltaLambda);
    // Rounding can carry a just past 1 for antipodal points; asin would then give no number.
    const double angle = 2.0 * std::asin(std::sqrt(std::clamp(a, 0.0, 1.0))) * kDegreesPerRadian;
    return {angle * kMilesPerDegree, angle * kKilometresPerDegree, angle * kNauticalMilesPerDegree};
}

Distances Distance(const Navpoint& from, const Navpoint& to) {
    return Distance(from.Latitude(), from.Longitude(), to.Latitude(), to.Longitude());
}

bool IsSamePlace(const Navpoint& a, const Navpoint& b) {
    const double elevationA = std::max(0.0f, a.Elevation());
    const double elevationB = std::max(0.0f, b.Elevation());
    const double difference = std::trunc(elevationA - elevationB);
    return Distance(a, b).kilometres < kSamePlaceKilometres &&
           std::fabs(difference) < kSamePlaceMetres;
}

} // namespace navpoints
