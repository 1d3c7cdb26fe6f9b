// Site database reader: any input is read without fault, and a database it accepts is written
// to a text that reads back to the same text.
#include "navpoints/SiteFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto database =
        korlink::ReadSiteText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!database)
        return 0;
    const std::string text = korlink::SiteFileText(*database);
    const auto again = korlink::ReadSiteText(text);
    if (!again || korlink::SiteFileText(*again) != text)
        std::abort();
    return 0;
}
