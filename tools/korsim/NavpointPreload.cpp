#include "NavpointPreload.h"

#include "NavpointMemory.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/NumberText.h"

#include <algorithm>
#include <fstream>
#include <string>

namespace korsim {
namespace {

std::uint16_t Held16(double value) {
    return static_cast<std::uint16_t>(std::clamp(navpoints::TruncatedInt(value), 0, 0xFFFF));
}

} // namespace

std::optional<Site> SiteFromNavpointFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    Site site;
    site.name = navpoints::ReadNavpointFileSiteName(in).value_or(path.stem().string());
    in.clear();
    in.seekg(0);
    navpoints::NavpointList list;
    navpoints::ReadNavpoints(in, list);
    for (const auto* navpoint : list.InOrder()) {
        if (site.navpoints.size() == NavpointMemory::kCapacity)
            break;
        site.navpoints.push_back({navpoint->Latitude(), navpoint->Longitude(),
                                  Held16(navpoint->Elevation()), Held16(navpoint->Id()),
                                  Held16(navpoint->Attributes()), navpoint->Name(),
                                  navpoint->Remark()});
    }
    return site;
}

} // namespace korsim
