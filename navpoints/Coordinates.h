#pragma once

#include <string>

namespace navpoints {

// An angle in degrees split into whole degrees, whole minutes and a fraction of a minute in
// units of 1 / `scale`, with its sign kept apart.
struct AngleParts {
    int degrees = 0;
    int minutes = 0;
    int fraction = 0;
    bool negative = false;
};

// Splits |degrees|: the fraction is the fractional minutes × scale + bias, truncated. A fraction
// that reaches a whole minute (and minutes that reach 60) carry over, so the parts always read
// back as the same angle. Not-a-number gives all zeros.
AngleParts SplitAngle(double degrees, int scale, double bias);

// Coordinates as navpoint files write them, to the nearest thousandth of a minute: "DD:MM.mmmH"
// for latitude (N or S) and "DDD:MM.mmmH" for longitude (E or W).
std::string FileLatitudeText(double latitude);
std::string FileLongitudeText(double longitude);

// |degrees| as whole degrees and minutes in "%06.3f" as shown on screen; minutes that round up
// to 60 show as the next degree.
struct DegreesAndMinutes {
    double degrees = 0;
    std::string minutes;
};
DegreesAndMinutes DisplayDegreesAndMinutes(double degrees);

// Display forms: "DD° MM.mmm N" and "DDD° MM.mmm E" (degrees right-aligned).
std::string LatitudeDisplayText(double latitude);
std::string LongitudeDisplayText(double longitude);

} // namespace navpoints
