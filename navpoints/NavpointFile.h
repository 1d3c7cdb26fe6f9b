#pragma once

#include "NavpointList.h"

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

// Navpoint files (".dat"): one navpoint a line, the exchange format with other software.
namespace navpoints {

// Lines longer than this are cut; the rest of such a line is passed over.
constexpr std::size_t kMaxNavpointLineLength = 255;

// Reads navpoint lines into `list` (same ids replace). Comment lines ("**...") and lines that do
// not parse are passed over; a line whose id lies outside 1 .. 65535 ends the reading. Returns
// the number of navpoints read.
int ReadNavpoints(std::istream& in, NavpointList& list);
// As above from a file; 0 when it cannot be opened.
int ReadNavpointFile(const std::filesystem::path& path, NavpointList& list);

// The site name of the "** Site : " line among the comment lines that open a file; nothing
// when there is none.
std::optional<std::string> ReadNavpointFileSiteName(std::istream& in);

// The file text: three comment lines naming the site, then one line per navpoint in list order.
std::string NavpointFileText(const NavpointList& list, std::string_view siteName);
// One navpoint line, without its line end.
std::string NavpointLine(const Navpoint& navpoint);
// Writes the file text (to a temporary file renamed into place); false when it cannot.
bool WriteNavpointFile(const std::filesystem::path& path, const NavpointList& list,
                       std::string_view siteName);

} // namespace navpoints
