#pragma once

#include "korlink/korlink.h"
#include "navpoints/NavpointList.h"

#include <cstdint>
#include <span>

// A caller's array of navpoint records, as the navpoint editor export takes and fills it.
namespace korlink {

// The highest id taken from a caller's records.
constexpr int kHighestCallerNavpointId = 9999;

// The records with ids 1 .. 9999, each at position id - 1 (a later record replaces an earlier
// one with the same id); other records are left out.
navpoints::NavpointList ListFromRecords(std::span<const NavpointRecord> records);

// Writes the list's navpoints over the records from the first on, in list order, until the
// records are full; returns how many were written. Bytes 0 to 7 of each record are kept.
std::uint32_t WriteRecords(const navpoints::NavpointList& list, std::span<NavpointRecord> records);

} // namespace korlink
