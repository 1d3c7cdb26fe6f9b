#pragma once

#include <cstdint>

// Distance and altitude units. Inside the program distances are nautical miles and altitudes
// feet; other units appear only where text is shown or read.
namespace vantrel {

// Distance unit codes, as the setting "Units" holds them.
enum DistanceUnit : int { kStatuteMiles = 0, kNauticalMiles = 1, kKilometres = 2 };
// Altitude unit codes, as the setting "AltitudeUnits" holds them.
enum AltitudeUnit : int { kFeet = 0, kMetres = 1 };

// Feet per metre of the altitudes read from flight files.
constexpr double kFeetPerMetreOfFixes = 3.280848049511;
// Nautical miles per metre of a fix accuracy.
constexpr double kNauticalMilesPerMetre = 0.0005395929632821999;

// A distance in unit `from` given in unit `to`, through nautical miles; the same code returns
// the value unchanged, an unknown code counts as nautical miles.
double ConvertDistance(double value, int from, int to);

// An altitude in unit `from` given in unit `to`: metres to feet truncates toward zero into the
// 16-bit range (held at its limits), feet to metres keeps the fraction.
double ConvertAltitude(std::int16_t value, int from, int to);

// Unit names by code: long ("Miles", "Nm", "Km"), short ("Mi", "Nm", "Km") and speed suffix
// ("(mph)", "(kt)", "(kph)"); " " for other codes. Altitude: "m" for metres, else "ft".
const char* DistanceUnitName(int unit);
const char* ShortDistanceUnitName(int unit);
const char* SpeedUnitSuffix(int unit);
const char* AltitudeUnitName(int unit);

} // namespace vantrel
