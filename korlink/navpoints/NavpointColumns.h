#pragma once

#include "navpoints/Navpoint.h"

#include <array>
#include <string>

namespace korlink {

// The seven columns of a navpoint in the editors' lists: id, name, latitude, longitude,
// attributes, elevation (× `elevationFactor`, with " m" or " ft") and remark.
std::array<std::string, 7> NavpointColumns(const navpoints::Navpoint& navpoint,
                                           double elevationFactor);

} // namespace korlink
