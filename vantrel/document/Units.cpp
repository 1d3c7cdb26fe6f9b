#include "Units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {
namespace {

constexpr double kNauticalMilesPerKilometre = 0.5395929632821999;
constexpr double kNauticalMilesPerStatuteMile = 0.8683906907907758;
constexpr double kKilometresPerNauticalMile = 1.8532487783333333;
constexpr double kStatuteMilesPerNauticalMile = 1.1515554123333334;
constexpr double kFeetPerMetre = 3.2808333333464565;
constexpr double kMetresPerFoot = 0.3048006096;

const char* ByUnit(int unit, const char* miles, const char* nautical, const char* kilometres) {
    switch (unit) {
    case kStatuteMiles:
        return miles;
    case kNauticalMiles:
        return nautical;
    case kKilometres:
        return kilometres;
    default:
        return " ";
    }
}

} // namespace

double ConvertDistance(double value, int from, int to) {
    if (from == to)
        return value;
    double nauticalMiles = value;
    if (from == kKilometres)
        nauticalMiles = value * kNauticalMilesPerKilometre;
    else if (from == kStatuteMiles)
        nauticalMiles = value * kNauticalMilesPerStatuteMile;
    if (to == kKilometres)
        return nauticalMiles * kKilometresPerNauticalMile;
    if (to == kStatuteMiles)
        return nauticalMiles * kStatuteMilesPerNauticalMile;
    return nauticalMiles;
}

double ConvertAltitude(std::int16_t value, int from, int to) {
    if (from == to)
        return value;
    if (from == kMetres && to == kFeet) {
        constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
        constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
        return std::clamp(std::trunc(value * kFeetPerMetre), kLowest, kHighest);
    }
    if (from == kFeet && to == kMetres)
        return value * kMetresPerFoot;
    return value;
}

const char* DistanceUnitName(int unit) {
    return ByUnit(unit, "Miles", "Nm", "Km");
}
const char* ShortDistanceUnitName(int unit) {
    return ByUnit(unit, "Mi", "Nm", "Km");
}
const char* SpeedUnitSuffix(int unit) {
    return ByUnit(unit, "(mph)", "(kt)", "(kph)");
}
const char* AltitudeUnitName(int unit) {
    return unit == kMetres ? "m" : "ft";
}

} // namespace vantrel
