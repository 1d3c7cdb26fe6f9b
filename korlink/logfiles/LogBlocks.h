#pragma once

#include "FixRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korlink {

// The flight information block: the recorder's configuration record at download time.
struct FlightInformation {
    static constexpr std::size_t kLength = 100;

    std::uint8_t units = 0; // 0 .. 3
    std::uint16_t serialNumber = 0;
    std::string pilotName;     // 24 characters
    std::string gliderType;    // 9 characters
    std::string competitionId; // 3 characters
    std::uint8_t datum = 0;
    std::uint8_t hardwareCode = 0; // hardware version 2.0 + code * 0.01
};

// The recorder information block: the recorder's status record at download time.
struct RecorderInformation {
    static constexpr std::size_t kLength = 32;

    std::uint8_t internalVoltage = 0; // tenths of a volt
    std::uint8_t externalVoltage = 0;
    std::uint8_t backupVoltage = 0;
    std::uint16_t chargeCurrent = 0; // mA
    std::string firmwareVersion;     // 6 characters
};

// A log navpoint record: the recorder's navpoint list at flight time.
struct LogNavpoint {
    static constexpr std::size_t kRecordSize = 48;

    float latitude = 0;
    float longitude = 0;
    std::uint16_t elevation = 0; // metres
    std::uint16_t id = 0;
    std::uint16_t attributes = 0;
    std::string name;   // 12 characters
    std::string remark; // 12 characters
};

struct DeclaredPoint {
    double latitude = 0;
    double longitude = 0;
    std::uint8_t navpoint = 0; // 1-based number of the log navpoint record naming the point
    std::string name;          // that navpoint's name; empty when the log has no such record
};

// The declaration block with the date of the flight it belongs to.
struct LogDeclaration {
    static constexpr std::size_t kLength = 69;
    static constexpr std::size_t kMaxPoints = 9;

    LogTime declared{}; // year (two digits), month, day, hour, minute, second
    LogTime firstFix{};
    std::vector<DeclaredPoint> points;
};

FlightInformation DecodeFlightInformation(ByteView block);
RecorderInformation DecodeRecorderInformation(ByteView block);
LogNavpoint DecodeLogNavpoint(ByteView record);

// The task points are the entries before the first empty one (first byte 0).
LogDeclaration DecodeDeclaration(ByteView block, const LogTime& firstFix,
                                 std::span<const LogNavpoint> navpoints);

} // namespace korlink
