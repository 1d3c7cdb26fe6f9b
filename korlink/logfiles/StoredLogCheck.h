#pragma once

#include "KeyMaterial.h"

#include <array>
#include <cstdint>
#include <optional>

namespace korlink {

class StoredLog;

// The 32-byte value of the stored-log check: bytes 0 to 15 are the stored check value, bytes
// 16 to 31 the second value (read but deciding nothing).
using StoredLogCheckValue = std::array<std::uint8_t, 32>;

// The check value a recorder with this serial number computes over `span` bytes of `data`
// (fix data, flight information and declaration, in file order). Nothing when `data` holds
// fewer than max(span, 16) bytes.
std::optional<StoredLogCheckValue> ComputeStoredLogCheck(std::uint16_t serialNumber, ByteView data,
                                                         std::size_t span, const KeyMaterial& keys);

// True when the check value over the loaded log equals bytes 0 to 15 of its security block.
// A covered span that runs past the image fails.
bool PassesStoredLogCheck(const StoredLog& log, const KeyMaterial& keys = RecorderKeys());

} // namespace korlink
