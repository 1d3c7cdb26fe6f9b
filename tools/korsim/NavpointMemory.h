#pragma once

#include "FlightGenerator.h"
#include "link/Bytes.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace korsim {

using korlink::Bytes;

// The recorder's navpoint memory: its site (name and navpoint table, the line numbered n being
// navpoint n), ten tasks of nine navpoint numbers and the declared task.
struct NavpointMemory {
    static constexpr std::size_t kCapacity = 500;
    static constexpr std::size_t kTasks = 10;
    static constexpr std::size_t kTaskSlots = 9;

    Site site;
    std::array<std::array<std::uint8_t, kTaskSlots>, kTasks> tasks{};
    LogTime declared{};
    std::vector<std::uint8_t> declaredTask; // navpoint numbers, start to finish
};

// Whether a data line is one of the navpoint lines: site "Y...", navpoint "C,...", task
// "T,..." or declaration "D,...".
bool IsNavpointLine(std::string_view line);

// Applies a navpoint line; `now` is the declaration time of a "D" line. False for a line that
// does not parse or names a navpoint or task the memory cannot hold; the memory is then
// unchanged.
bool ApplyNavpointLine(NavpointMemory& memory, std::string_view line, const LogTime& now);

// The forms the recorder serves its memory in: the site and navpoint area (area 130: the
// 32-byte site name, then 48-byte records), the count record c, the task record t and the
// declaration record d.
Bytes SiteArea(const NavpointMemory& memory);
Bytes CountsRecord(const NavpointMemory& memory);
Bytes TaskRecord(const NavpointMemory& memory);
Bytes DeclarationRecord(const NavpointMemory& memory);

// The memory of a site with the task of `task` declared at `declared` and kept as task 0.
NavpointMemory MemoryOfSite(Site site, const LogTime& declared, std::vector<std::uint8_t> task);

} // namespace korsim
