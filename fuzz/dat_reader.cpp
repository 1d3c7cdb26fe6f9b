// Navpoint file reader: any input is read without fault, and what it yields can be written and
// read back as the same number of navpoints.
#include "navpoints/NavpointFile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    navpoints::NavpointList list;
    const int read = navpoints::ReadNavpoints(in, list);
    if (read < list.Count())
        std::abort();

    std::istringstream written(navpoints::NavpointFileText(list, "fuzz"));
    navpoints::NavpointList again;
    if (navpoints::ReadNavpoints(written, again) != list.Count() || again.Count() != list.Count())
        std::abort();
    return 0;
}
