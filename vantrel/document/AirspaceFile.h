#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The sections of an airspace file (".sua", ".air"), each the text of its lines from one
// "TITLE=" line to the next, every line followed by a line feed.
struct Airspace {
    int titleCount = 0;
    std::vector<std::string> sections;
};

// Reads airspace text: empty lines and "#" comments are passed over, "INCLUDE=NO" and
// "INCLUDE=YES" leave out or take in the lines that follow, a line beginning with "END" ends the
// text, and lines before the first "TITLE=" are dropped.
Airspace ReadAirspace(std::string_view text);
// As above from a file; none when it cannot be opened.
std::optional<Airspace> ReadAirspaceFile(const std::filesystem::path& path);

// The text after "TITLE=" on the first line of a section, trimmed.
std::string SectionTitle(std::string_view section);

} // namespace vantrel
