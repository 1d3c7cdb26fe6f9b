#pragma once

#include <cstdint>
#include <optional>

namespace vantrel {

// A position as whole degrees plus decimal minutes with hemisphere flags, and the geodesy the
// flight reader and the analysis share. Angles in the formulas are signed decimal degrees.
struct GeoPosition {
    double latitudeMinutes = 0;  // 0 to below 60, always positive
    double longitudeMinutes = 0; // always positive
    std::int32_t latitudeDegrees = 0;
    std::int32_t longitudeDegrees = 0;
    std::int32_t south = 0; // 1 = southern hemisphere
    std::int32_t west = 1;  // 1 = western hemisphere

    // Degrees + minutes / 60, negated in the southern (western) hemisphere.
    double Latitude() const;
    double Longitude() const;
    // Sets the parts from a signed value; zero and negative values set the hemisphere flag.
    void SetLatitude(double degrees);
    void SetLongitude(double degrees);

    static GeoPosition At(double latitude, double longitude);
};

// Great-circle distance in the distance unit given (0 statute miles, 1 nautical miles,
// 2 kilometres); any other unit gives degrees of arc.
double Distance(const GeoPosition& a, const GeoPosition& b, int unit);

// Initial course from a to b in degrees, 0 to below 360.
double Bearing(const GeoPosition& from, const GeoPosition& to);

// A flat offset: `nauticalMiles` along `bearingRadians`, longitude differences stretched by
// `longitudeScale` (1 / cos latitude), as gate lines and cylinders are drawn.
GeoPosition Offset(const GeoPosition& from, double nauticalMiles, double bearingRadians,
                   double longitudeScale);

// Where segment a-b crosses segment c-d in the plane of signed longitude (x) and latitude (y);
// none for parallel segments or a crossing outside either of them.
std::optional<GeoPosition> Intersection(const GeoPosition& a, const GeoPosition& b,
                                        const GeoPosition& c, const GeoPosition& d);

} // namespace vantrel
