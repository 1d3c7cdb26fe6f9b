#pragma once

#include "link/Bytes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korlink {

class CRecorderLink;

// One flight of the recorder's log directory, in the 16-byte form callers receive: first fix
// year (two digits), month, day, hour, minute, second; the same for the last fix; then the fix
// record count, 32-bit, low byte first.
struct LogDirectoryEntry {
    std::array<std::uint8_t, 16> bytes{};
    std::string description;

    std::uint32_t RecordCount() const;
};

constexpr std::size_t kMaxDirectoryEntries = 16;
constexpr std::size_t kDescriptionCapacity = 255;

// Splits the directory the recorder sent into its flight records and decodes them, most recent
// flight first as the recorder lists them; at most 16.
std::vector<LogDirectoryEntry> DecodeLogDirectory(ByteView directory);

// "%02d/%02d/%02d   %02d:%02d:%02d - %02d:%02d:%02d  %d Records"
std::string DescribeDirectoryEntry(const std::array<std::uint8_t, 16>& entry);

// "%H:%M:%S" of the time from a directory entry's first to its last fix, both taken in the
// first fix's year.
std::string FlightDuration(const LogDirectoryEntry& entry);

// Reads and decodes the recorder's directory; empty when it could not be read.
std::vector<LogDirectoryEntry> ReadDirectoryList(CRecorderLink& link);

} // namespace korlink
