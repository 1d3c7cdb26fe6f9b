#include "RecorderConfig.h"

#include "logfiles/LogNaming.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace korlink {
namespace {

constexpr std::size_t kUnits = 0, kSerial = 2, kPilot = 4, kGlider = 28, kCompId = 37, kDatum = 41,
                      kApproach = 42, kArrival = 43, kArrivalInterval = 44, kEnrouteInterval = 45,
                      kHardware = 96;

constexpr std::array<RecorderUnits, kUnitsCodes> kUnitsTable{{
    {"nm, ft, kts", "Nautical Miles", 0.0005403},
    {"km, m, m/s", "Kilometers", 0.001},
    {"km, ft, kts", "Kilometers", 0.001},
    {"sm, ft, kts", "Miles", 0.0006213},
}};

std::string TextAt(ByteView record, std::size_t offset, std::size_t length) {
    std::string text(record.begin() + static_cast<std::ptrdiff_t>(offset),
                     record.begin() + static_cast<std::ptrdiff_t>(offset + length));
    // Held zero-terminated in memory: a zero byte ends the text.
    text.resize(std::min(text.find('\0'), text.size()));
    return text;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// At most `length` bytes of a text, never ending inside a UTF-8 character.
std::string CutToFit(const std::string& text, std::size_t length) {
    if (text.size() <= length)
        return text;
    std::size_t cut = length;
    while (cut > 0 && IsUtf8Continuation(text[cut]))
        --cut;
    return text.substr(0, cut);
}

std::string Padded(const std::string& text, std::size_t length) {
    std::string padded = CutToFit(text, length);
    padded.resize(length, ' ');
    return padded;
}

void PutText(Bytes& record, std::size_t offset, std::size_t length, const std::string& text) {
    const std::string padded = Padded(text, length);
    std::copy(padded.begin(), padded.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A radius in the configuration line: its decimal text, at most two characters (a radius
// above 99 is sent as 99 so that the line keeps its shape).
std::string RadiusField(std::uint8_t radius) {
    return std::to_string(std::min<int>(radius, 99));
}

} // namespace

unsigned IntervalSeconds(std::uint8_t code) {
    if (code < 31)
        return code;
    if (code <= 60)
        return 5u * code - 120u;
    return (3u * code - 162u) * 10u;
}

std::uint8_t IntervalCode(unsigned seconds) {
    if (seconds < 31)
        return static_cast<std::uint8_t>(seconds);
    if (seconds < 181)
        return static_cast<std::uint8_t>((seconds + 120) / 5);
    return static_cast<std::uint8_t>(std::min(255u, (seconds + 1620) / 30));
}

std::optional<RecorderConfig> RecorderConfig::Decode(ByteView record) {
    if (record.size() < kStoredSize)
        return std::nullopt;
    RecorderConfig config;
    config.raw.assign(record.begin(), record.end());
    config.raw.resize(std::max(config.raw.size(), kRecordSize), 0);
    config.unitsCode = record[kUnits];
    config.serial = static_cast<std::uint16_t>((record[kSerial] << 8) | record[kSerial + 1]);
    config.pilot = TextAt(record, kPilot, kPilotLength);
    config.glider = TextAt(record, kGlider, kGliderLength);
    config.compId = TextAt(record, kCompId, kCompIdLength);
    config.datum = record[kDatum];
    config.approachRadius = record[kApproach];
    config.arrivalRadius = record[kArrival];
    config.arrivalInterval = IntervalSeconds(record[kArrivalInterval]);
    config.enrouteInterval = IntervalSeconds(record[kEnrouteInterval]);
    config.hardwareVersion = record[kHardware];
    return config;
}

Bytes RecorderConfig::Encode() const {
    Bytes record = raw;
    record.resize(std::max(record.size(), kRecordSize), 0);
    record[kUnits] = unitsCode;
    record[kSerial] = static_cast<std::uint8_t>(serial >> 8);
    record[kSerial + 1] = static_cast<std::uint8_t>(serial);
    PutText(record, kPilot, kPilotLength, pilot);
    PutText(record, kGlider, kGliderLength, glider);
    PutText(record, kCompId, kCompIdLength, compId);
    record[kDatum] = datum;
    record[kApproach] = approachRadius;
    record[kArrival] = arrivalRadius;
    record[kArrivalInterval] = IntervalCode(arrivalInterval);
    record[kEnrouteInterval] = IntervalCode(enrouteInterval);
    record[kHardware] = hardwareVersion;
    return record;
}

std::string RecorderConfig::RecorderId() const {
    return korlink::RecorderId(serial);
}

RecorderUnits UnitsOf(std::uint8_t unitsCode) {
    if (unitsCode < kUnitsTable.size())
        return kUnitsTable[unitsCode];
    return {"", "", 1.0};
}

std::string RadiusText(std::uint8_t radius, std::uint8_t unitsCode) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.2f",
                  radius * 100.0 * UnitsOf(unitsCode).metresToRadiusUnit);
    return text;
}

std::string ConfigurationLine(const RecorderConfig& config) {
    // A datum below 100 is zero-padded so that every field keeps its column.
    char datum[8];
    std::snprintf(datum, sizeof datum, "%03u", static_cast<unsigned>(config.datum));
    const unsigned intervals =
        IntervalCode(config.arrivalInterval) * 256u + IntervalCode(config.enrouteInterval);
    return "x," + std::to_string(config.unitsCode % 10) + "," +
           Padded(config.pilot, RecorderConfig::kPilotLength) + "," +
           Padded(config.glider, RecorderConfig::kGliderLength) +
           Padded(config.compId, RecorderConfig::kCompIdLength) + "," +
           std::string(datum).substr(0, 3) + "," + RadiusField(config.approachRadius) + "," +
           RadiusField(config.arrivalRadius) + "," + std::to_string(intervals) + "\r";
}

std::string ArrangePilotName(const std::string& typed) {
    const auto first = typed.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = typed.find_last_not_of(' ');
    const std::string name = typed.substr(first, last - first + 1);
    const auto split = name.rfind(' ');
    if (split != std::string::npos && split > 0) {
        const std::string firstPart = name.substr(0, split);
        const std::string lastPart = name.substr(split + 1);
        const auto fits = [](const std::string& part) {
            return !part.empty() && part.size() <= 11;
        };
        if (fits(firstPart) && fits(lastPart)) {
            const std::size_t firstAt = 6 - std::min<std::size_t>(6, firstPart.size() / 2);
            const std::size_t lastAt = std::max<std::size_t>(12, 18 - lastPart.size() / 2);
            std::string field(RecorderConfig::kPilotLength, ' ');
            field.replace(firstAt, firstPart.size(), firstPart);
            field.replace(lastAt, lastPart.size(), lastPart);
            field.resize(lastAt + lastPart.size());
            return field;
        }
    }
    return CutToFit(typed, RecorderConfig::kPilotLength);
}

bool SameConfiguration(const RecorderConfig& written, const RecorderConfig& read) {
    return TrimTrailing(written.pilot) == TrimTrailing(read.pilot) &&
           TrimTrailing(written.glider) == TrimTrailing(read.glider) &&
           TrimTrailing(written.compId) == TrimTrailing(read.compId) &&
           written.unitsCode == read.unitsCode && written.approachRadius == read.approachRadius &&
           written.arrivalRadius == read.arrivalRadius &&
           IntervalCode(written.arrivalInterval) == IntervalCode(read.arrivalInterval) &&
           IntervalCode(written.enrouteInterval) == IntervalCode(read.enrouteInterval);
}

std::string TrimTrailing(const std::string& text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

} // namespace korlink
