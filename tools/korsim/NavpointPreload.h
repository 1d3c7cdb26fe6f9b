#pragma once

#include "FlightGenerator.h"

#include <filesystem>
#include <optional>

namespace korsim {

// The site of a navpoint file (".dat"): its navpoints in list order, at most the 500 a
// recorder's memory holds, named by the file's "** Site : " line (else by the file's name).
// Nothing when the file cannot be read.
std::optional<Site> SiteFromNavpointFile(const std::filesystem::path& path);

} // namespace korsim
