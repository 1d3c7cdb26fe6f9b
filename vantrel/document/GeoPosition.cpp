#include "GeoPosition.h"

#include "navpoints/Distance.h"

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

using navpoints::kDegreesPerRadian;
using navpoints::kNauticalMilesPerDegree;
using navpoints::kRadiansPerDegree;
constexpr double kFullCircle = 6.283185307;
// Below this longitude difference a-b counts as running north-south.
constexpr double kVerticalTolerance = 1e-8;
// A computed crossing may lie this far outside a segment's range and still count as on it.
constexpr double kRangeTolerance = 1e-9;

double Signed(std::int32_t degrees, double minutes, std::int32_t negative) {
    const double value = degrees + minutes / 60.0;
    return negative == 1 ? -value : value;
}

void Split(double value, std::int32_t& degrees, double& minutes, std::int32_t& negative) {
    double whole = 0;
    const double fraction = std::modf(value, &whole);
    minutes = std::isfinite(fraction) ? std::fabs(fraction) * 60.0 : 0.0;
    // Held within the range of the degrees field; not-a-number gives 0.
    degrees = static_cast<std::int32_t>(
        std::isnan(whole) ? 0.0 : std::min(std::fabs(whole), 2147483647.0));
    negative = value <= 0 ? 1 : 0;
}

bool Within(double value, double end1, double end2) {
    return value >= std::min(end1, end2) - kRangeTolerance &&
           value <= std::max(end1, end2) + kRangeTolerance;
}

} // namespace

double GeoPosition::Latitude() const {
    return Signed(latitudeDegrees, latitudeMinutes, south);
}
double GeoPosition::Longitude() const {
    return Signed(longitudeDegrees, longitudeMinutes, west);
}
void GeoPosition::SetLatitude(double degrees) {
    Split(degrees, latitudeDegrees, latitudeMinutes, south);
}
void GeoPosition::SetLongitude(double degrees) {
    Split(degrees, longitudeDegrees, longitudeMinutes, west);
}

GeoPosition GeoPosition::At(double latitude, double longitude) {
    GeoPosition position;
    position.SetLatitude(latitude);
    position.SetLongitude(longitude);
    return position;
}

double Distance(const GeoPosition& a, const GeoPosition& b, int unit) {
    const auto distances =
        navpoints::Distance(a.Latitude(), a.Longitude(), b.Latitude(), b.Longitude());
    switch (unit) {
    case 0:
        return distances.miles;
    case 1:
        return distances.nauticalMiles;
    case 2:
        return distances.kilometres;
    default:
        return distances.nauticalMiles / kNauticalMilesPerDegree;
    }
}

double Bearing(const GeoPosition& from, const GeoPosition& to) {
    const double latA = from.Latitude() * kRadiansPerDegree;
    const double latB = to.Latitude() * kRadiansPerDegree;
    const double deltaLon = (to.Longitude() - from.Longitude()) * kRadiansPerDegree;
    double course = std::atan2(std::sin(deltaLon) * std::cos(latB),
                               std::cos(latA) * std::sin(latB) -
                                   std::sin(latA) * std::cos(latB) * std::cos(deltaLon));
    if (course < 0)
        course += (1.0 - std::trunc(course / kFullCircle)) * kFullCircle;
    return course * kDegreesPerRadian;
}

GeoPosition Offset(const GeoPosition& from, double nauticalMiles, double bearingRadians,
                   double longitudeScale) {
    const double degrees = nauticalMiles / kNauticalMilesPerDegree;
    return GeoPosition::At(from.Latitude() + std::cos(bearingRadians) * degrees,
                           from.Longitude() + std::sin(bearingRadians) * degrees * longitudeScale);
}

std::optional<GeoPosition> Intersection(const GeoPosition& a, const GeoPosition& b,
                                        const GeoPosition& c, const GeoPosition& d) {
    const double xa = a.Longitude(), ya = a.Latitude();
    const double xb = b.Longitude(), yb = b.Latitude();
    const double xc = c.Longitude(), yc = c.Latitude();
    const double xd = d.Longitude(), yd = d.Latitude();
    const bool firstVertical = std::fabs(xa - xb) <= kVerticalTolerance;
    const bool secondVertical = xc == xd;
    if (firstVertical && secondVertical)
        return std::nullopt;

    double x = 0, y = 0;
    if (firstVertical) {
        x = xa;
        y = yc + (yd - yc) / (xd - xc) * (x - xc);
    } else if (secondVertical) {
        x = xc;
        y = ya + (yb - ya) / (xb - xa) * (x - xa);
    } else {
        const double slope1 = (yb - ya) / (xb - xa);
        const double slope2 = (yd - yc) / (xd - xc);
        if (slope1 == slope2)
            return std::nullopt;
        x = (yc - ya + slope1 * xa - slope2 * xc) / (slope1 - slope2);
        y = ya + slope1 * (x - xa);
    }
    if (!Within(x, xa, xb) || !Within(x, xc, xd) || !Within(y, ya, yb) || !Within(y, yc, yd))
        return std::nullopt;
    return GeoPosition::At(y, x);
}

} // namespace vantrel
