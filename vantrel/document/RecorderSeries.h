#pragma once

#include "IgcHeader.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace vantrel {

// The series of the maker's recorders that sign IGC files; its name is part of their hardware
// version record.
constexpr std::string_view kSigningSeries = "Strata";

// The hardware-version test of the explorer's Verify: whether a flight comes from a recorder
// of the series that signs IGC files. Files of other makers, and IGC files converted from
// stored logs (whose hardware version is a number), do not.
bool FromSigningSeries(const IgcHeader& header);

// The header records of an IGC file, read without its fixes (the file is read only as far as
// its first B record). None when the file cannot be read.
std::optional<IgcHeader> ReadHeaderOfFile(const std::filesystem::path& path);

} // namespace vantrel
