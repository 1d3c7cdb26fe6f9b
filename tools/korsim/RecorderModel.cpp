#include "RecorderModel.h"

#include "ConfigurationLine.h"
#include "DirectoryRecord.h"
#include "Signing.h"
#include "interface/RecorderConfig.h"
#include "link/Commands.h"

#include <ctime>

namespace korsim {
namespace {

korlink::RecorderConfig DefaultConfig() {
    korlink::RecorderConfig config;
    config.unitsCode = 0;
    config.serial = 1234;
    config.pilot = korlink::ArrangePilotName("John Smith");
    config.glider = "ASW 27";
    config.compId = "JS";
    config.datum = 100;
    config.approachRadius = 5;
    config.arrivalRadius = 3;
    config.arrivalInterval = 4;
    config.enrouteInterval = 10;
    config.hardwareVersion = 3;
    return config;
}

Bytes DefaultStatus() {
    Bytes status(*korlink::command::RecordReplyLength('w') - 3, 0);
    status[0] = 255; // no internal battery
    status[1] = 124; // 12.4 V from the glider
    status[2] = 31;  // 3.1 V backup cell
    status[3] = 0;
    status[4] = 120; // 120 mA charging
    const std::string version = "V1.23 ";
    std::copy(version.begin(), version.end(), status.begin() + 9);
    return status;
}

constexpr double kMetresPerDegree = 111194.9;

LogTime UtcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    return {static_cast<std::uint8_t>(utc.tm_year % 100), static_cast<std::uint8_t>(utc.tm_mon + 1),
            static_cast<std::uint8_t>(utc.tm_mday),       static_cast<std::uint8_t>(utc.tm_hour),
            static_cast<std::uint8_t>(utc.tm_min),        static_cast<std::uint8_t>(utc.tm_sec)};
}

} // namespace

Bytes PatternBytes(std::size_t length, unsigned seed) {
    Bytes bytes(length);
    std::uint32_t state = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

RecorderModel RecorderModel::Minimal() {
    RecorderModel model;
    unsigned seed = 1;
    for (const char letter : {'c', 'd', 't', 'w', 'x'})
        model.records[letter] =
            PatternBytes(*korlink::command::RecordReplyLength(letter) - 3, seed++);
    model.records['x'] = DefaultConfig().Encode();
    model.records['w'] = DefaultStatus();
    model.securityRecord = PatternBytes(korlink::command::kSecurityReply - 3, seed++);
    // Two flights of 5 December 2003, the later one listed first.
    for (const auto& entry :
         {std::array<std::uint8_t, 16>{3, 12, 5, 13, 2, 0, 3, 12, 5, 15, 40, 12, 136, 0, 0, 0},
          std::array<std::uint8_t, 16>{3, 12, 5, 9, 30, 5, 3, 12, 5, 11, 1, 59, 68, 0, 0, 0}}) {
        const auto record = EncodeDirectoryRecord(entry);
        model.directory.insert(model.directory.end(), record.begin(), record.end());
    }
    model.areas[1] = PatternBytes(3000, seed++);
    model.areas[2] = PatternBytes(1500, seed++);
    model.areas[korlink::command::kSiteArea] = PatternBytes(640, seed++);
    return model;
}

Bytes RecorderModel::SecurityRecordFor(int area) const {
    const auto fixData = areas.find(area);
    const auto configuration = records.find('x');
    const auto declaration = records.find('d');
    if (!signsFlights || fixData == areas.end() || configuration == records.end() ||
        declaration == records.end())
        return securityRecord;
    return StoredLogSecurityRecord(fixData->second, configuration->second, declaration->second)
        .value_or(securityRecord);
}

bool RecorderModel::AcceptLine(std::string_view line) {
    if (line.substr(0, 2) == "x,") {
        const auto current = korlink::RecorderConfig::Decode(records['x']);
        const auto changed = current ? ApplyConfigurationLine(*current, line) : std::nullopt;
        if (!changed)
            return false;
        records['x'] = changed->Encode();
        EraseFlights();
    } else if (IsNavpointLine(line)) {
        auto memory = navpointMemory;
        if (!ApplyNavpointLine(memory, line, UtcNow()))
            return false;
        StoreNavpoints(std::move(memory));
    }
    receivedLines.emplace_back(line);
    return true;
}

void RecorderModel::EraseFlights() {
    directory.clear();
    for (int area = korlink::command::kFirstFlightArea; area <= korlink::command::kLastFlightArea;
         ++area)
        areas.erase(area);
}

std::size_t RecorderModel::FlightCount() const {
    std::size_t count = 0;
    for (int area = korlink::command::kFirstFlightArea; area <= korlink::command::kLastFlightArea;
         ++area)
        count += areas.count(area);
    return count;
}

void RecorderModel::ClearNavpoints() {
    ++navpointClears;
    auto memory = navpointMemory;
    memory.site.navpoints.clear();
    StoreNavpoints(std::move(memory));
}

void RecorderModel::StoreNavpoints(NavpointMemory memory) {
    navpointMemory = std::move(memory);
    areas[korlink::command::kSiteArea] = SiteArea(navpointMemory);
    records['c'] = CountsRecord(navpointMemory);
    records['t'] = TaskRecord(navpointMemory);
    records['d'] = DeclarationRecord(navpointMemory);
}

void RecorderModel::MoveNavpoint(std::size_t number, double metres) {
    auto memory = navpointMemory;
    if (number == 0 || number > memory.site.navpoints.size())
        return;
    memory.site.navpoints[number - 1].latitude += metres / kMetresPerDegree;
    StoreNavpoints(std::move(memory));
}

} // namespace korsim
