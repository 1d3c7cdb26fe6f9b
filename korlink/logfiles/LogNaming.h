#pragma once

#include "FixRecord.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korlink {

// "Q000" with the serial number in upper-case base 36 right-aligned over the last three
// characters; a serial of four base-36 digits (46656 and above) covers all four.
std::string RecorderId(std::uint16_t serialNumber);

// One character for a number in file names: 0..9 as digits, 10..35 as "A".."Z". Numbers that
// no character stands for (only damaged dates give them) become "_".
char NameCharacter(unsigned value);

enum class LogFileKind { StoredLog, Igc };

constexpr unsigned kMaxFlightCharacter = 35;

// Last digit of the year, month and day characters, the recorder id, the flight character and
// ".KOR" or ".IGC".
std::string LogFileName(const LogTime& firstFix, std::string_view recorderId, unsigned flight,
                        LogFileKind kind);

struct ChosenName {
    std::string name;
    bool replaces = false; // all 35 names exist: the one with "Z" is used and replaced
};

// The first name of flight character 1, 2, .. "Z" that does not exist in the folder (names are
// compared without regard to case).
ChosenName ChooseLogFileName(const std::filesystem::path& folder, const LogTime& firstFix,
                             std::string_view recorderId, LogFileKind kind);

// Writes `contents` into the folder under the chosen name, never replacing an existing file
// unless all 35 names are taken. The name written, or nothing when the file cannot be written.
std::optional<std::string> WriteUnderLogFileName(const std::filesystem::path& folder,
                                                 const LogTime& firstFix,
                                                 std::string_view recorderId, LogFileKind kind,
                                                 ByteView contents);

// Folder and name joined; an empty folder gives the name alone.
std::filesystem::path InFolder(const std::filesystem::path& folder, std::string_view name);

// The stored log in `folder` whose first fix has this date and time and whose name is that of
// the recorder's flights of that day, newest first, and which passes its stored-log check (an
// incomplete or damaged copy is not the flight). Names are matched without regard to case.
// The search stops at the first candidate that cannot be read.
std::optional<std::string> FindStoredLogByStartTime(const std::filesystem::path& folder,
                                                    const LogTime& firstFix,
                                                    std::string_view recorderId);

} // namespace korlink
