#include "StoredLogHeader.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <vector>

namespace korlink {
namespace {

constexpr std::size_t kRequiredFields = 13;

// Leading decimal digits; anything else ends the number. Saturates instead of wrapping.
std::uint32_t LeadingNumber(std::string_view field) {
    std::uint64_t value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            break;
        value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(c - '0'),
                                        std::numeric_limits<std::uint32_t>::max());
    }
    return static_cast<std::uint32_t>(value);
}

// The header text up to its closing "|" (or first zero byte), cut into fields at ",".
std::vector<std::string_view> Fields(ByteView bytes) {
    const auto length = std::min(bytes.size(), StoredLogHeader::kLength);
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), length);
    text = text.substr(0, text.find_first_of(std::string_view("|\0", 2)));
    std::vector<std::string_view> fields;
    for (;;) {
        const auto comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return fields;
        text.remove_prefix(comma + 1);
    }
}

std::string HeaderSafe(std::string_view text) {
    std::string safe(text);
    std::replace_if(
        safe.begin(), safe.end(), [](char c) { return c == ',' || c == '|' || c == '\0'; }, ' ');
    return safe;
}

} // namespace

std::uint64_t StoredLogHeader::TotalLength() const {
    return std::uint64_t{headerLength} + securityLength + fixDataLength + flightInfoLength +
           declarationLength + recorderInfoLength + siteLength +
           std::uint64_t{navpointRecordSize} * navpointCount;
}

std::optional<StoredLogHeader> ParseStoredLogHeader(ByteView bytes) {
    const auto fields = Fields(bytes);
    if (fields.size() < kRequiredFields || fields[0].size() > StoredLogHeader::kMaxRecorderId)
        return std::nullopt;
    const auto number = [&](std::size_t field, std::uint32_t missing) {
        return field <= fields.size() ? LeadingNumber(fields[field - 1]) : missing;
    };
    StoredLogHeader header;
    header.recorderId = fields[0];
    header.competitionId = fields[2].substr(0, StoredLogHeader::kMaxCompetitionId);
    header.pilotName = fields[4].substr(0, StoredLogHeader::kMaxPilotName);
    header.fixCountEstimate = number(6, 0);
    header.timeZone = number(7, 0);
    header.headerLength = number(8, 0);
    header.securityLength = number(9, 0);
    header.fixDataLength = number(10, 0);
    header.coveredSpan = number(11, 0);
    header.flightInfoOffset = number(12, 0);
    header.flightInfoLength = number(13, 0);
    header.declarationLength = number(14, header.declarationLength);
    header.recorderInfoLength = number(15, header.recorderInfoLength);
    header.navpointRecordSize = number(16, header.navpointRecordSize);
    header.navpointCount = number(17, header.navpointCount);
    header.siteLength = number(18, 0);
    if (header.navpointCount > StoredLogHeader::kMaxNavpointCount)
        header.navpointCount = 0;
    return header;
}

std::optional<std::string> StoredLogHeaderText(const StoredLogHeader& header) {
    if (header.recorderId.size() > StoredLogHeader::kMaxRecorderId)
        return std::nullopt;
    const auto competitionId =
        std::string_view(header.competitionId).substr(0, StoredLogHeader::kMaxCompetitionId);
    const auto pilotName =
        std::string_view(header.pilotName).substr(0, StoredLogHeader::kMaxPilotName);
    std::string text = HeaderSafe(header.recorderId) + ",0," + HeaderSafe(competitionId) + ",0," +
                       HeaderSafe(pilotName);
    for (const auto value :
         {header.fixCountEstimate, header.timeZone, header.headerLength, header.securityLength,
          header.fixDataLength, header.coveredSpan, header.flightInfoOffset,
          header.flightInfoLength, header.declarationLength, header.recorderInfoLength,
          header.navpointRecordSize, header.navpointCount, header.siteLength})
        text += "," + std::to_string(value);
    text += '|';
    if (text.size() > StoredLogHeader::kLength)
        return std::nullopt;
    return text;
}

} // namespace korlink
