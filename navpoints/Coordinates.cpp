#include "Coordinates.h"

#include "NumberText.h"

#include <climits>
#include <cmath>

namespace navpoints {
namespace {

// Thousandths of a minute, rounded: a position read from a file, or from the recorder, is
// written as the nearest one, so that reading it back and sending it on does not move it.
std::string FileAngleText(double degrees, int degreeDigits, char positive, char negative) {
    const AngleParts parts = SplitAngle(degrees, 1000, 0.5);
    return PaddedInteger(parts.degrees, degreeDigits) + ':' + PaddedInteger(parts.minutes, 2) +
           '.' + PaddedInteger(parts.fraction, 3) + (parts.negative ? negative : positive);
}

std::string DisplayAngleText(double degrees, int degreeWidth, const char* positive,
                             const char* negative) {
    const DegreesAndMinutes parts = DisplayDegreesAndMinutes(degrees);
    return FixedText(parts.degrees, 0, degreeWidth) + "\u00B0 " + parts.minutes + ' ' +
           (degrees < 0 ? negative : positive);
}

} // namespace

AngleParts SplitAngle(double degrees, int scale, double bias) {
    if (std::isnan(degrees))
        return {};
    AngleParts parts;
    parts.negative = degrees < 0;
    const double magnitude = std::fabs(degrees);
    const double whole = std::trunc(magnitude);
    const double minutes = (magnitude - whole) * 60.0;
    parts.degrees = TruncatedInt(whole);
    parts.minutes = TruncatedInt(minutes);
    parts.fraction = TruncatedInt((minutes - std::trunc(minutes)) * scale + bias);
    if (parts.fraction >= scale) {
        parts.fraction -= scale;
        ++parts.minutes;
    }
    if (parts.minutes >= 60) {
        parts.minutes -= 60;
        if (parts.degrees < INT_MAX)
            ++parts.degrees;
    }
    return parts;
}

DegreesAndMinutes DisplayDegreesAndMinutes(double degrees) {
    const double magnitude = std::fabs(degrees);
    DegreesAndMinutes parts{std::floor(magnitude), {}};
    parts.minutes = FixedText((magnitude - parts.degrees) * 60.0, 3, 6, true);
    if (parts.minutes.starts_with("60.")) {
        parts.degrees += 1;
        parts.minutes = "00.000";
    }
    return parts;
}

std::string FileLatitudeText(double latitude) {
    return FileAngleText(latitude, 2, 'N', 'S');
}

std::string FileLongitudeText(double longitude) {
    return FileAngleText(longitude, 3, 'E', 'W');
}

std::string LatitudeDisplayText(double latitude) {
    return DisplayAngleText(latitude, 2, "N", "S");
}

std::string LongitudeDisplayText(double longitude) {
    return DisplayAngleText(longitude, 3, "E", "W");
}

} // namespace navpoints
