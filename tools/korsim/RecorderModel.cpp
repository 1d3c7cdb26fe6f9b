#include "RecorderModel.h"

#include "Signing.h"
#include "link/Commands.h"

namespace korsim {

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
    model.securityRecord = PatternBytes(korlink::command::kSecurityReply - 3, seed++);
    model.directory = PatternBytes(48, seed++);
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
    receivedLines.emplace_back(line);
    return true;
}

void RecorderModel::ClearNavpoints() {
    ++navpointClears;
}

} // namespace korsim
