#pragma once

#include "FlightGenerator.h"
#include "link/Bytes.h"

#include <cstdint>
#include <span>

namespace korsim {

using korlink::Bytes;

// The recorder's packed forms of its flights and lists, as the library reads them.

// An angle in the recorder's 24-bit two's complement form: degrees * 2^24 / 360.
std::uint32_t Angle24(double degrees);

// One fix record: nibbles (high first), 14 between fields, 15 at the end. Date and time, the
// angles, altitudes + 1000 and accuracy / 15 always; extra value A, flags and engine noise
// through the last that is not zero.
Bytes EncodeFixRecord(const FlightSample& fix);

// The fix records of a flight, one after another.
Bytes EncodeFixData(std::span<const FlightSample> fixes);

// A directory record of a flight: first fix date and time, last fix date and time after
// separator 8 (at an odd nibble position) and the record count after separator 17 (odd too).
Bytes EncodeDirectoryRecord(const LogTime& first, const LogTime& last, std::uint32_t records);

// A 48-byte navpoint record.
Bytes EncodeNavpointRecord(const SiteNavpoint& navpoint);

// The 69-byte declaration block of a task of navpoint numbers (1-based positions in the site's
// list).
Bytes EncodeDeclaration(const LogTime& declared, std::span<const std::uint8_t> task,
                        const Site& site);

} // namespace korsim
