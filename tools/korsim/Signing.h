#pragma once

#include "link/Bytes.h"
#include "logfiles/KeyMaterial.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korsim {

using korlink::Bytes;
using korlink::ByteView;

// The security record a recorder with this serial number reports for a flight (the payload of
// "b 128"): the stored-log check value over the fix data, the flight information (the first
// 100 bytes of the configuration record) and the declaration (the first 69 bytes of record d)
// in bytes 0 to 31. Nothing when the configuration or declaration record is too short.
std::optional<Bytes> StoredLogSecurityRecord(ByteView fixData, ByteView configuration,
                                             ByteView declaration);

// The recorder family's signing values (private DSA values x[0..999]), built into the simulator.
struct SigningKeys {
    std::vector<Bytes> privateValues; // 20 bytes each, big-endian
};
const SigningKeys& RecorderSigningKeys();

struct IgcSigning {
    unsigned keyIndex = 0;         // which of the 1000 key pairs signs
    std::uint16_t status = 0x0001; // status word; bit 0 of its low byte clear reports a violation
};

// An IGC file signed as the recorder signs it: its own G lines removed, a missing final line
// end added, its hardware version record naming the signing series ("Strata"), and three G
// lines of a security record appended whose DSA signature and CRC cover the lines the IGC check
// hashes. Status word 0x00FF leaves the record unsigned. Nothing when
// the key index has no signing value.
std::optional<std::string> SignIgcText(std::string_view text, const IgcSigning& signing,
                                       const korlink::KeyMaterial& keys = korlink::RecorderKeys());

} // namespace korsim
