// Airspace file reader: any input is read without fault; every section kept is non-empty, is
// whole lines and starts with its "TITLE=" line, and there are no more sections than titles.
#include "document/AirspaceFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto airspace =
        vantrel::ReadAirspace(std::string_view(reinterpret_cast<const char*>(data), size));
    if (airspace.sections.size() > static_cast<std::size_t>(airspace.titleCount))
        std::abort();
    for (const auto& section : airspace.sections) {
        const auto firstLine = std::string_view(section).substr(0, section.find('\n'));
        if (section.empty() || section.back() != '\n' ||
            firstLine.find("TITLE=") == std::string_view::npos)
            std::abort();
    }
    return 0;
}
