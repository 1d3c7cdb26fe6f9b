#pragma once

#include "link/Bytes.h"

#include <array>
#include <cstdint>

namespace korlink {

// Date and time of a fix: year (two digits), month, day, hour, minute, second.
using LogTime = std::array<std::uint8_t, 6>;

// One decoded fix record of a stored log.
struct LogFix {
    float latitude = 0;  // degrees, north positive
    float longitude = 0; // degrees, east positive
    LogTime time{};
    std::uint32_t gnssAltitude = 0;     // metres + 1000
    std::uint32_t pressureAltitude = 0; // metres + 1000
    std::uint32_t accuracy = 0;         // metres / 15
    std::uint32_t extraA = 0;           // units of 15
    std::uint8_t flags = 0;             // bit 7: not valid; bit 2: pilot event
    std::uint32_t engineNoise = 0;      // 0 .. 999
    std::array<std::uint32_t, 4> extras{};
    std::size_t extraCount = 0;

    static constexpr std::uint8_t kInvalid = 0x80;
    static constexpr std::uint8_t kPilotEvent = 0x04;
};

// The nibbles of one packed record (high nibble of each byte first), up to its end nibble 15.
struct NibbleRecord {
    static constexpr std::size_t kCapacity = 200;
    static constexpr std::uint8_t kSeparator = 14;
    static constexpr std::uint8_t kEnd = 15;

    std::array<std::uint8_t, kCapacity> nibbles{};
    std::size_t count = 0; // nibbles before the end nibble
    bool ended = false;    // the end nibble was found (not cut by the limit or the data's end)

    // Nibble i, or 0 past the record's end.
    std::uint8_t At(std::size_t i) const { return i < count ? nibbles[i] : 0; }
};

// Unpacks the record that starts at byte `position` of `data` and returns the position of the
// record after it. The record ends after the byte holding its first 15; one without an end
// within `limit` nibbles is cut there and the next record starts at the following byte. The
// end of `data` ends the record.
std::size_t UnpackRecord(ByteView data, std::size_t position, std::size_t limit,
                         NibbleRecord& record);

// The longest fix record, in nibbles.
constexpr std::size_t kFixRecordNibbles = 80;

// The date and time of the first 12 nibbles: year t0*14+t1, month t3, day t4*14+t5, hour
// t6*14+t7, minute t8*14+t9, second t10*14+t11.
LogTime DecodeLogTime(const NibbleRecord& record);

// Decodes a fix record's fields: date and time, latitude, longitude, GNSS and pressure
// altitude, accuracy, then optional extra value A, flags, engine noise and up to four extras.
// Missing fields read as 0; a numeric field of more than 5 digits, or an empty one, reads as 0.
LogFix DecodeFixRecord(const NibbleRecord& record);

// A 24-bit angle (two's complement) in degrees: v * 360 / 2^24, exactly.
double ExactAngleFrom24Bits(std::uint32_t value);
// The same held as a 32-bit float, as decoded positions of stored logs are.
float AngleFrom24Bits(std::uint32_t value);

} // namespace korlink
