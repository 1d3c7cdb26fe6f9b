#pragma once

#include "link/Bytes.h"

#include <cstdint>
#include <optional>
#include <string>

namespace korlink {

// The text header of a stored log: eighteen fields separated by "," and closed by "|", padded
// with zero bytes to 100. The lengths give every section of the file. The defaults are those of
// a stored log before any file or download fills it.
struct StoredLogHeader {
    static constexpr std::size_t kLength = 100;
    static constexpr std::size_t kMaxRecorderId = 15;
    static constexpr std::size_t kMaxCompetitionId = 12;
    static constexpr std::size_t kMaxPilotName = 27;
    static constexpr std::uint32_t kMaxNavpointCount = 255;

    std::string recorderId;                // field 1
    std::string competitionId;             // field 3
    std::string pilotName;                 // field 5
    std::uint32_t fixCountEstimate = 0;    // field 6
    std::uint32_t timeZone = 0;            // field 7: quarter hours, 8-bit two's complement
    std::uint32_t headerLength = 100;      // field 8
    std::uint32_t securityLength = 64;     // field 9
    std::uint32_t fixDataLength = 0;       // field 10
    std::uint32_t coveredSpan = 0;         // field 11: bytes from the fix data the check covers
    std::uint32_t flightInfoOffset = 0;    // field 12
    std::uint32_t flightInfoLength = 100;  // field 13
    std::uint32_t declarationLength = 69;  // field 14
    std::uint32_t recorderInfoLength = 41; // field 15
    std::uint32_t navpointRecordSize = 48; // field 16
    std::uint32_t navpointCount = 65;      // field 17
    std::uint32_t siteLength = 0;          // field 18

    // The sum of all section lengths.
    std::uint64_t TotalLength() const;
    std::uint64_t FixDataOffset() const { return std::uint64_t{headerLength} + securityLength; }
    std::uint64_t FlightInfoStart() const { return FixDataOffset() + fixDataLength; }
    std::uint64_t DeclarationStart() const { return FlightInfoStart() + flightInfoLength; }
    std::uint64_t RecorderInfoStart() const { return DeclarationStart() + declarationLength; }
    std::uint64_t SiteStart() const { return RecorderInfoStart() + recorderInfoLength; }
    std::uint64_t NavpointsStart() const { return SiteStart() + siteLength; }
};

// Parses the first 100 bytes of a stored log. Fields 2 to 13 must be present and field 1 may
// hold at most 15 characters; missing fields 14 to 18 keep their defaults (18 becomes 0); a
// navpoint count above 255 is taken as 0. Nothing when the header is invalid. The image limit
// is checked by the caller.
std::optional<StoredLogHeader> ParseStoredLogHeader(ByteView bytes);

// The header text of the fields, fields 2 and 4 written as 0. The texts are cut to the lengths
// a reader keeps and their separator characters become blanks, so that the text reads back
// field for field. Nothing when the recorder id is too long or the text would not fit in the
// 100 header bytes.
std::optional<std::string> StoredLogHeaderText(const StoredLogHeader& header);

} // namespace korlink
