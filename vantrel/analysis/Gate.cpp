#include "Gate.h"

#include "Interpolation.h"
#include "document/Units.h"
#include "navpoints/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519444445;
constexpr double kLatitudeToHalfTurns = 0.005555555555555556;
constexpr double kPi = 3.141592654;

std::int16_t Held16(double value) {
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::isnan(value) ? 0.0
                                                       : std::clamp(value, kLowest, kHighest));
}

// Feet in the display altitude unit, and back (truncated).
std::int32_t ShownAltitude(std::int32_t feet, int altitudeUnit) {
    return navpoints::TruncatedInt(ConvertAltitude(Held16(feet), kFeet, altitudeUnit));
}
std::int32_t StoredAltitude(std::int32_t shown, int altitudeUnit) {
    return navpoints::TruncatedInt(ConvertAltitude(Held16(shown), altitudeUnit, kFeet));
}

Gate DefaultGate(double radius, std::int32_t top, int distanceUnit, int altitudeUnit) {
    Gate gate;
    gate.type = Gate::kCylinder;
    gate.radius = ConvertDistance(radius, distanceUnit, kNauticalMiles);
    gate.base = StoredAltitude(100, altitudeUnit);
    gate.top = StoredAltitude(top, altitudeUnit);
    return gate;
}

} // namespace

void Gate::BuildGeometry(const navpoints::Navpoint& centreNavpoint) {
    const double latitude = centreNavpoint.Latitude();
    const double longitudeScale = 1.0 / std::cos(latitude * kLatitudeToHalfTurns * kPi);
    centre = GeoPosition::At(latitude, centreNavpoint.Longitude());
    crossAngle = (heading - 90.0) * kRadiansPerDegree;
    endA = Offset(centre, radius, (heading - 90.0) * kRadiansPerDegree, longitudeScale);
    endB = Offset(centre, radius, (heading + 90.0) * kRadiansPerDegree, longitudeScale);
    backPoint = Offset(centre, radius, (heading + 180.0) * kRadiansPerDegree, longitudeScale);
}

bool Gate::Crosses(const GeoPosition& a, const GeoPosition& b, bool directed) const {
    if (!IsLine() || !Intersection(a, b, endA, endB))
        return false;
    if (!directed)
        return true;
    const double along =
        (b.Longitude() - a.Longitude()) * (centre.Longitude() - backPoint.Longitude()) +
        (b.Latitude() - a.Latitude()) * (centre.Latitude() - backPoint.Latitude());
    return along >= 0;
}

std::optional<std::time_t> Gate::CrossingTime(const GeoPosition& a, std::time_t timeA,
                                              const GeoPosition& b, std::time_t timeB) const {
    if (!IsLine())
        return std::nullopt;
    const auto crossing = Intersection(a, b, endA, endB);
    const double length = Distance(a, b, kNauticalMiles);
    // A fix that did not move crosses nothing; the fraction would have no value.
    if (!crossing || !(length > 0))
        return std::nullopt;
    const double fraction = Distance(a, *crossing, kNauticalMiles) / length;
    if (!(fraction >= 0 && fraction <= 1))
        return std::nullopt;
    const double seconds = static_cast<double>(timeB - timeA) * fraction;
    return timeA + static_cast<std::time_t>(RoundHalfUp(seconds));
}

std::string GateDescription(const Gate& gate, int distanceUnit) {
    if (gate.centreId < 0)
        return "Gate not defined";
    const double size =
        ConvertDistance(gate.radius, kNauticalMiles, distanceUnit) * (gate.IsLine() ? 2.0 : 1.0);
    return std::string(gate.IsLine() ? "Line" : "Cylinder") + ", " +
           navpoints::FixedText(size, 1, 3) + " " + DistanceUnitName(distanceUnit) + " " +
           (gate.IsLine() ? "Wide" : "Radius") + ", Center at point " +
           std::to_string(gate.centreId);
}

Gate DefaultStartGate(int distanceUnit, int altitudeUnit) {
    return DefaultGate(5.0, 5000, distanceUnit, altitudeUnit);
}

Gate DefaultFinishGate(int distanceUnit, int altitudeUnit) {
    return DefaultGate(2.0, 1000, distanceUnit, altitudeUnit);
}

GateEntry GateEntryOf(const Gate& gate, int distanceUnit, int altitudeUnit) {
    GateEntry entry;
    entry.type = gate.type;
    entry.size =
        ConvertDistance(gate.radius, kNauticalMiles, distanceUnit) * (gate.IsLine() ? 2.0 : 1.0);
    entry.top = ShownAltitude(gate.top, altitudeUnit);
    entry.base = ShownAltitude(gate.base, altitudeUnit);
    entry.heading = navpoints::TruncatedInt(gate.heading);
    entry.perpendicular = gate.perpendicular;
    entry.centreId = gate.centreId;
    return entry;
}

void ApplyGateEntry(const GateEntry& entry, int distanceUnit, int altitudeUnit, Gate& gate) {
    gate.type = entry.type;
    const double radius = entry.type == Gate::kLine ? entry.size / 2.0 : entry.size;
    gate.radius = ConvertDistance(radius, distanceUnit, kNauticalMiles);
    gate.top = StoredAltitude(entry.top, altitudeUnit);
    gate.base = StoredAltitude(entry.base, altitudeUnit);
    gate.heading = entry.heading;
    gate.perpendicular = entry.perpendicular;
    gate.centreId = entry.centreId;
}

} // namespace vantrel
