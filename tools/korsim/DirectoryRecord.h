#pragma once

#include "link/Bytes.h"

#include <array>
#include <cstdint>

namespace korsim {

// One flight's record in the recorder's log directory, packed as the recorder sends it: base-14
// nibbles, 14 between fields, 15 at the end. `entry` is the 16-byte form the library decodes
// it to (first fix year, month, day, hour, minute, second; last fix likewise; fix count, 32-bit,
// low byte first).
korlink::Bytes EncodeDirectoryRecord(const std::array<std::uint8_t, 16>& entry);

} // namespace korsim
