#include "RecorderNavpoints.h"

#include "logfiles/FixRecord.h"
#include "logfiles/LogBlocks.h"
#include "logfiles/LogBytes.h"
#include "navpoints/Coordinates.h"
#include "navpoints/NumberText.h"

#include <cmath>

namespace korlink {
namespace {

constexpr std::size_t kCountsLength = 4;
constexpr int kLineMinuteScale = 10000;

// "DDMM.mmmmH" (latitude, two degree digits) or "DDDMM.mmmmH" (longitude, three), rounded.
std::string LineAngle(double degrees, int degreeDigits, char positive, char negative) {
    const auto parts = navpoints::SplitAngle(degrees, kLineMinuteScale, 0.5);
    return navpoints::PaddedInteger(parts.degrees, degreeDigits) +
           navpoints::PaddedInteger(parts.minutes, 2) + '.' +
           navpoints::PaddedInteger(parts.fraction, 4) + (parts.negative ? negative : positive);
}

} // namespace

std::string BlankPadded(std::string_view text, std::size_t length) {
    std::string padded(text.substr(0, length));
    padded.resize(length, ' ');
    return padded;
}

RecorderNavpoint ToRecorderNavpoint(const navpoints::Navpoint& navpoint) {
    RecorderNavpoint entry;
    entry.latitude = navpoint.Latitude();
    entry.longitude = navpoint.Longitude();
    entry.elevation = navpoints::TruncatedInt(std::round(navpoint.Elevation()));
    entry.attributes = navpoint.Attributes();
    entry.id = static_cast<std::uint32_t>(navpoint.Id());
    entry.name = BlankPadded(navpoint.Name(), kRecorderTextLength);
    entry.remark = BlankPadded(navpoint.Remark(), kRecorderTextLength);
    return entry;
}

navpoints::Navpoint ToNavpoint(const RecorderNavpoint& navpoint) {
    return navpoints::Navpoint(static_cast<int>(navpoint.id), navpoint.name, navpoint.latitude,
                               navpoint.longitude, navpoint.attributes,
                               static_cast<float>(navpoint.elevation), navpoint.remark);
}

std::optional<NavpointCounts> ParseCounts(ByteView record) {
    if (record.size() < kCountsLength)
        return std::nullopt;
    NavpointCounts counts;
    counts.count = logbytes::BigEndian16(record, 0);
    counts.recordSize = record[2];
    counts.firstRecord = record[3];
    if (counts.count > kMaxRecorderNavpoints)
        counts.count = 0;
    return counts;
}

std::string SiteNameOf(ByteView area) {
    return logbytes::Text(area, 0, kSiteNameLength);
}

std::vector<RecorderNavpoint> DecodeNavpointArea(ByteView area, const NavpointCounts& counts) {
    std::vector<RecorderNavpoint> navpoints;
    if (counts.recordSize == 0)
        return navpoints;
    for (std::size_t i = 0; i < counts.count && navpoints.size() < RecorderNavpointTable::kCapacity;
         ++i) {
        const std::size_t offset = counts.firstRecord + i * counts.recordSize;
        if (offset + counts.recordSize > area.size())
            break;
        const auto bytes = area.subspan(offset, counts.recordSize);
        const auto record = DecodeLogNavpoint(bytes);
        navpoints.push_back({ExactAngleFrom24Bits(logbytes::BigEndian24(bytes, 0)),
                             ExactAngleFrom24Bits(logbytes::BigEndian24(bytes, 3)),
                             record.elevation, record.attributes, record.id, record.name,
                             record.remark});
    }
    return navpoints;
}

std::string SiteLine(std::string_view siteName) {
    return 'Y' + BlankPadded(siteName, kSiteLineNameLength) + '\r';
}

std::string NavpointLine(std::size_t number, const RecorderNavpoint& navpoint) {
    return "C," + std::to_string(number) + ',' + LineAngle(navpoint.latitude, 2, 'N', 'S') + ',' +
           LineAngle(navpoint.longitude, 3, 'E', 'W') + ',' + std::to_string(navpoint.elevation) +
           ',' + std::to_string(navpoint.id) + ',' + std::to_string(navpoint.attributes) + ',' +
           BlankPadded(navpoint.name, kRecorderTextLength) +
           BlankPadded(navpoint.remark, kRecorderTextLength) + '\r';
}

} // namespace korlink
