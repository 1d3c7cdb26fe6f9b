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

// How a reading of navpoint lines went.
struct NavpointReading {
    int read = 0;        // navpoints read
    int unreadable = 0;  // lines passed over (comment and blank lines are not counted)
    int endedAtLine = 0; // 1-based line whose id ended the reading; 0 when read to the end
    bool failed = false; // the input could not be read to its end (a folder, a read error)
    // The name of a "** Site : " line among the comment lines that open the input.
    std::optional<std::string> siteName;
};

// Reads navpoint lines into `list` (same ids replace). Comment lines ("**...") are passed over,
// and so are lines that do not parse or whose position lies off the globe (latitude beyond 90°,
// longitude beyond 180°); a line whose id lies outside 1 .. 65535 ends the reading.
NavpointReading ReadNavpointLines(std::istream& in, NavpointList& list);
// As above; the number of navpoints read.
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
