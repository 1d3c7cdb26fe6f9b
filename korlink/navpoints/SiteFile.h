#pragma once

#include "SiteDatabase.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The site database file (".sit"): one line of TAB-terminated items; strings are their length, a
// TAB and exactly that many characters.
namespace korlink {

// Files larger than this are not site databases (the largest possible one is far smaller).
constexpr std::uintmax_t kMaxSiteFileSize = 16u << 20;

std::string SiteFileText(const SiteDatabase& database);

// The database a file text describes (without its path); nothing unless every item is present
// and in range: version 1, navpoint ids 1 .. 65535, task slots 0 .. 9.
std::optional<SiteDatabase> ReadSiteText(std::string_view text);
std::optional<SiteDatabase> ReadSiteFile(const std::filesystem::path& path);

// "<directory>/KORSite<n>.sit" for the first n = 1, 2, ... with no such file.
std::filesystem::path NewSiteFileName(const std::filesystem::path& directory);

} // namespace korlink
