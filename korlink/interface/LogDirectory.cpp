#include "LogDirectory.h"

#include "link/RecorderLink.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace korlink {
namespace {

constexpr std::uint8_t kSeparator = 14;
constexpr std::uint8_t kEnd = 15;
constexpr std::size_t kRecordByteLimit = 100; // a record without an end is cut after 200 nibbles
constexpr std::size_t kFlightRecordMinBytes = 11;
constexpr std::size_t kMaxSeparators = 25;
constexpr std::size_t kDateTimeNibbles = 12;
constexpr std::size_t kMaxNumberDigits = 5;

struct NibbleRecord {
    std::vector<std::uint8_t> nibbles; // up to and including the end nibble
    std::size_t bytes = 0;             // bytes the record occupies
};

// The record starting at `start`: nibbles high first, ending after the byte holding the first
// end nibble. Nothing when the record would reach past the directory's end.
std::optional<NibbleRecord> RecordAt(ByteView directory, std::size_t start) {
    NibbleRecord record;
    for (std::size_t i = 0; i < kRecordByteLimit; ++i) {
        if (start + i >= directory.size())
            return std::nullopt;
        const std::uint8_t byte = directory[start + i];
        record.bytes = i + 1;
        for (const std::uint8_t nibble : {std::uint8_t(byte >> 4), std::uint8_t(byte & 0x0F)}) {
            record.nibbles.push_back(nibble);
            if (nibble == kEnd)
                return record;
        }
    }
    return record;
}

std::uint8_t NibbleAt(const std::vector<std::uint8_t>& nibbles, std::size_t at) {
    return at < nibbles.size() ? nibbles[at] : 0;
}

// Year, month, day, hour, minute, second from the 12 nibbles of a date and time field (the
// third nibble is not part of the month).
void DecodeDateTime(const std::vector<std::uint8_t>& nibbles, std::size_t at, std::uint8_t* out) {
    const auto pair = [&](std::size_t i) {
        return static_cast<std::uint8_t>(NibbleAt(nibbles, at + i) * 14 +
                                         NibbleAt(nibbles, at + i + 1));
    };
    out[0] = pair(0);
    out[1] = NibbleAt(nibbles, at + 3);
    out[2] = pair(4);
    out[3] = pair(6);
    out[4] = pair(8);
    out[5] = pair(10);
}

// A base-14 number of at most five digits ended by a separator; longer or empty reads as 0.
std::uint32_t DecodeNumber(const std::vector<std::uint8_t>& nibbles, std::size_t at) {
    std::uint32_t value = 0;
    std::size_t digits = 0;
    for (; at < nibbles.size() && nibbles[at] < kSeparator; ++at, ++digits)
        value = value * 14 + nibbles[at];
    return (digits == 0 || digits > kMaxNumberDigits) ? 0 : value;
}

LogDirectoryEntry DecodeFlight(const std::vector<std::uint8_t>& nibbles) {
    std::vector<std::size_t> separators;
    for (std::size_t i = 0; i < nibbles.size() && separators.size() < kMaxSeparators; ++i) {
        if (nibbles[i] == kSeparator)
            separators.push_back(i);
    }
    // Position just after separator n; past the record when there is no such separator.
    const auto after = [&](std::size_t n) {
        return n < separators.size() ? separators[n] + 1 : nibbles.size();
    };
    const auto isOdd = [&](std::size_t n) {
        return n < separators.size() && separators[n] % 2 == 1;
    };

    LogDirectoryEntry entry;
    DecodeDateTime(nibbles, 0, entry.bytes.data());
    const bool oddCase = isOdd(8);
    DecodeDateTime(nibbles, after(oddCase ? 8 : 9), entry.bytes.data() + 6);
    const std::size_t countSeparator = oddCase ? (isOdd(17) ? 17 : 18) : (isOdd(18) ? 18 : 19);
    const std::uint32_t count = DecodeNumber(nibbles, after(countSeparator));
    for (int i = 0; i < 4; ++i)
        entry.bytes[12 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(count >> (8 * i));
    entry.description = DescribeDirectoryEntry(entry.bytes);
    return entry;
}

// Days since 1970-01-01 of a civil date.
long DaysFromCivil(int year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

long SecondsOf(int year, const std::uint8_t* t) {
    return DaysFromCivil(year, t[1], t[2]) * 86400L + t[3] * 3600L + t[4] * 60L + t[5];
}

} // namespace

std::string FlightDuration(const LogDirectoryEntry& entry) {
    const auto& e = entry.bytes;
    const int year = e[0] < 50 ? 2000 + e[0] : 1900 + e[0];
    const long seconds = std::max(0L, SecondsOf(year, e.data() + 6) - SecondsOf(year, e.data()));
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

std::uint32_t LogDirectoryEntry::RecordCount() const {
    return bytes[12] | (bytes[13] << 8) | (bytes[14] << 16) | (std::uint32_t{bytes[15]} << 24);
}

std::string DescribeDirectoryEntry(const std::array<std::uint8_t, 16>& e) {
    const std::uint32_t count = e[12] | (e[13] << 8) | (e[14] << 16) | (std::uint32_t{e[15]} << 24);
    char text[kDescriptionCapacity];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d   %02d:%02d:%02d - %02d:%02d:%02d  %u Records",
                  e[1], e[2], e[0], e[3], e[4], e[5], e[9], e[10], e[11], count);
    return text;
}

std::vector<LogDirectoryEntry> DecodeLogDirectory(ByteView directory) {
    std::vector<LogDirectoryEntry> entries;
    std::size_t start = 0;
    while (start < directory.size() && entries.size() < kMaxDirectoryEntries) {
        const auto record = RecordAt(directory, start);
        if (!record)
            break;
        if (record->bytes >= kFlightRecordMinBytes)
            entries.push_back(DecodeFlight(record->nibbles));
        start += record->bytes;
    }
    return entries;
}

std::vector<LogDirectoryEntry> ReadDirectoryList(CRecorderLink& link) {
    const auto directory = link.ReadDirectory();
    return directory ? DecodeLogDirectory(*directory) : std::vector<LogDirectoryEntry>{};
}

} // namespace korlink
