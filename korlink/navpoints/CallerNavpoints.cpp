#include "CallerNavpoints.h"

#include "navpoints/NavpointRecord.h"

namespace korlink {

navpoints::NavpointList ListFromRecords(std::span<const NavpointRecord> records) {
    navpoints::NavpointList list;
    for (const auto& record : records) {
        if (record.id >= navpoints::Navpoint::kMinId && record.id <= kHighestCallerNavpointId)
            list.Put(navpoints::FromRecord(record));
    }
    return list;
}

std::uint32_t WriteRecords(const navpoints::NavpointList& list, std::span<NavpointRecord> records) {
    std::uint32_t written = 0;
    for (const auto* navpoint : list.InOrder()) {
        if (written >= records.size())
            break;
        navpoints::ToRecord(*navpoint, records[written++]);
    }
    return written;
}

} // namespace korlink
