#pragma once

#include "link/Bytes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace korlink {

// The recorder's identity and configuration record (record x, 106 bytes). Its first 100 bytes
// are also a stored log's flight information block. Bytes the library does not interpret are
// kept in `raw` so that the record can be stored as it came.
struct RecorderConfig {
    static constexpr std::size_t kRecordSize = 106;
    static constexpr std::size_t kStoredSize = 100;
    static constexpr std::size_t kPilotLength = 24;
    static constexpr std::size_t kGliderLength = 9;
    static constexpr std::size_t kCompIdLength = 3;

    std::uint8_t unitsCode = 0;
    std::uint16_t serial = 0;
    std::string pilot;  // as stored, blanks included, at most 24 characters
    std::string glider; // at most 9
    std::string compId; // at most 3
    std::uint8_t datum = 0;
    std::uint8_t approachRadius = 0; // steps of 100 m
    std::uint8_t arrivalRadius = 0;
    unsigned arrivalInterval = 0; // seconds
    unsigned enrouteInterval = 0;
    std::uint8_t hardwareVersion = 0;
    Bytes raw = Bytes(kRecordSize, 0);

    // Decodes a record of at least the 100 stored bytes; nothing when it is shorter.
    static std::optional<RecorderConfig> Decode(ByteView record);
    // The record with the decoded fields written back over `raw`.
    Bytes Encode() const;

    // "Q000" with the serial number in upper-case base 36 over its last characters.
    std::string RecorderId() const;
};

// Fix intervals travel as one-byte codes.
unsigned IntervalSeconds(std::uint8_t code);
std::uint8_t IntervalCode(unsigned seconds);

// The units a recorder shows, by units code.
struct RecorderUnits {
    const char* comboText;
    const char* radiusUnitName;
    double metresToRadiusUnit;
};
constexpr std::size_t kUnitsCodes = 4;
RecorderUnits UnitsOf(std::uint8_t unitsCode);

// A radius byte (steps of 100 m) in the radius unit of the units code, "%2.2f".
std::string RadiusText(std::uint8_t radius, std::uint8_t unitsCode);

// The line that writes a configuration to the recorder in download mode, ending in "\r".
std::string ConfigurationLine(const RecorderConfig& config);

// The pilot name as the configuration stores it: a name of two parts of 1 to 11 characters is
// spread over the 24-character field (first part centred on column 6, last on 18); any other
// name stays as typed. The result is at most 24 bytes, cut before a UTF-8 character that
// would not fit whole. Stored texts are cut the same way.
std::string ArrangePilotName(const std::string& typed);

// Whether a configuration read back from the recorder holds what was written.
bool SameConfiguration(const RecorderConfig& written, const RecorderConfig& read);

// Texts without their trailing blanks.
std::string TrimTrailing(const std::string& text);

} // namespace korlink
