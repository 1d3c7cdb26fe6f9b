#pragma once

#include <string>

namespace navpoints {

// Feet per metre wherever an elevation is shown or written in feet.
constexpr double kFeetPerMetre = 3.281;

// "%d".
std::string IdText(int id);

// The elevation × factor as "%5.0f", then " m" when the factor is exactly 1 and " ft" otherwise.
std::string ElevationDisplayText(float metres, double factor);

} // namespace navpoints
