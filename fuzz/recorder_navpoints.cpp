// The recorder's navpoint records: the first 4 bytes are taken as the count record and the rest
// as the site and navpoint area (and as task and declaration records). Any input decodes
// without fault, and never into more navpoints than the area holds.
#include "navpoints/RecorderNavpoints.h"
#include "navpoints/RecorderTasks.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const korlink::ByteView input(data, size);
    const auto counts = korlink::ParseCounts(input.first(std::min<std::size_t>(size, 4)));
    const auto area = size > 4 ? input.subspan(4) : korlink::ByteView();
    korlink::SiteNameOf(area);
    korlink::DecodeTaskRecord(area);
    korlink::DecodeRecorderDeclaration(area);
    if (!counts)
        return 0;
    const auto navpoints = korlink::DecodeNavpointArea(area, *counts);
    if (navpoints.size() > counts->count ||
        (counts->recordSize > 0 && navpoints.size() * counts->recordSize > area.size()))
        std::abort();
    for (const auto& navpoint : navpoints)
        korlink::NavpointLine(1, navpoint);
    return 0;
}
