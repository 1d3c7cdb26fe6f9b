#pragma once

namespace navpoints {

class Navpoint;

// The angle and distance constants every computation of the toolset shares.
inline constexpr double kRadiansPerDegree = 0.017453292519444445;
inline constexpr double kDegreesPerRadian = 57.29577951471995;
inline constexpr double kNauticalMilesPerDegree = 60.0;

// A great-circle distance in the three units the toolset shows.
struct Distances {
    double miles = 0;
    double kilometres = 0;
    double nauticalMiles = 0;
};

// Haversine distance on a sphere, with the conversion constants the recorder family has always
// used (so distances agree with the other tools to the last digit).
Distances Distance(double latitude1, double longitude1, double latitude2, double longitude2);
Distances Distance(const Navpoint& from, const Navpoint& to);

// Two navpoints are the same place when they lie under 0.05 km apart and their elevations (each
// taken as at least 0) differ by less than 3 m, the difference truncated toward zero.
bool IsSamePlace(const Navpoint& a, const Navpoint& b);

} // namespace navpoints
