#pragma once

#include "navpoints/Navpoint.h"

#include <optional>
#include <string_view>

namespace vantrel {

// Reads a log navpoint line, as stored-log conversion writes them: "LZRVN", the id in 5 digits,
// latitude "DDMMmmmN", longitude "DDDMMmmmE", the elevation in metres in 6 digits, 8
// attribute letter places and the name. None when the id or a coordinate is not readable.
std::optional<navpoints::Navpoint> ReadLogNavpoint(std::string_view line);

} // namespace vantrel
