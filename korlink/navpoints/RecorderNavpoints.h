#pragma once

#include "link/Bytes.h"
#include "navpoints/Navpoint.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The recorder's navpoints as the library holds them, and their forms on the line: the count
// record, the site and navpoint area, the site line and the navpoint lines.
namespace korlink {

// The most navpoints a count record may announce; a larger count reads as none.
constexpr std::uint32_t kMaxRecorderNavpoints = 256;
// The most navpoints sent to the recorder.
constexpr std::size_t kMaxSentNavpoints = 250;
// Names and remarks are blank-padded to this length.
constexpr std::size_t kRecorderTextLength = 12;
// The site name at the start of the site and navpoint area, and as the site line sends it.
constexpr std::size_t kSiteNameLength = 32;
constexpr std::size_t kSiteLineNameLength = 64;

// One navpoint of the recorder's table. Positions are held exactly as the recorder's 24-bit
// angles give them, so that a navpoint read and sent back lands on the same angles.
struct RecorderNavpoint {
    double latitude = 0; // degrees, negative south
    double longitude = 0;
    std::int32_t elevation = 0; // whole metres
    std::uint32_t attributes = 0;
    std::uint32_t id = 0;
    std::string name;   // 12 characters, blank-padded
    std::string remark; // 12 characters, blank-padded

    bool operator==(const RecorderNavpoint&) const = default;
};

// The recorder's navpoint table and site name, as last read or about to be sent.
struct RecorderNavpointTable {
    static constexpr std::size_t kCapacity = 500;

    std::string siteName;
    std::vector<RecorderNavpoint> navpoints;
};

// The text cut or blank-padded to `length` characters.
std::string BlankPadded(std::string_view text, std::size_t length);

// A navpoint as the recorder keeps it: name and remark blank-padded to 12 characters, the
// elevation rounded to whole metres (a navpoint file's elevation in feet reads back a little
// below the recorder's whole metres it was written from).
RecorderNavpoint ToRecorderNavpoint(const navpoints::Navpoint& navpoint);
navpoints::Navpoint ToNavpoint(const RecorderNavpoint& navpoint);

// The count record: the navpoint count, the size of one record and the offset of the first
// record within the site and navpoint area. Nothing when the record is too short.
struct NavpointCounts {
    std::uint32_t count = 0;
    std::uint32_t recordSize = 0;
    std::uint32_t firstRecord = 0;
};
std::optional<NavpointCounts> ParseCounts(ByteView record);

// The site name: the area's first 32 bytes, up to a zero byte.
std::string SiteNameOf(ByteView area);

// The navpoint records of the area. Only records that lie wholly within the area are decoded,
// at most the announced count.
std::vector<RecorderNavpoint> DecodeNavpointArea(ByteView area, const NavpointCounts& counts);

// "Y", the site name cut or blank-padded to 64 characters, "\r".
std::string SiteLine(std::string_view siteName);

// "C,<number>,DDMM.mmmmH,DDDMM.mmmmH,<elevation>,<id>,<attributes>,<name><remark>\r": the
// minutes to the nearest ten-thousandth; name and remark 12 characters each.
std::string NavpointLine(std::size_t number, const RecorderNavpoint& navpoint);

} // namespace korlink
