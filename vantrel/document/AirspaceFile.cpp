#include "AirspaceFile.h"

#include "TextLines.h"

namespace vantrel {
namespace {

constexpr std::string_view kTitle = "TITLE=";

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace

Airspace ReadAirspace(std::string_view text) {
    Airspace airspace;
    std::string section;
    bool including = true;
    TextLines lines(text);
    while (const auto next = lines.Next()) {
        if (next->empty() || next->front() == '#')
            continue;
        const auto line = TrimRight(*next);
        if (line.substr(0, 3) == "END")
            break;
        if (Contains(line, "INCLUDE=YES") || Contains(line, "INCLUDE=NO")) {
            including = Contains(line, "INCLUDE=YES");
            continue;
        }
        if (!including)
            continue;
        if (Contains(line, kTitle)) {
            if (airspace.titleCount > 0 && !section.empty())
                airspace.sections.push_back(section);
            section.clear();
            ++airspace.titleCount;
        }
        section.append(line);
        section.push_back('\n');
    }
    if (airspace.titleCount > 0 && !section.empty())
        airspace.sections.push_back(section);
    return airspace;
}

std::optional<Airspace> ReadAirspaceFile(const std::filesystem::path& path) {
    const auto text = ReadWholeFile(path);
    if (!text)
        return std::nullopt;
    return ReadAirspace(*text);
}

std::string SectionTitle(std::string_view section) {
    const auto line = section.substr(0, section.find('\n'));
    const auto at = line.find(kTitle);
    return at == std::string_view::npos ? std::string()
                                        : std::string(Trim(line.substr(at + kTitle.size())));
}

} // namespace vantrel
