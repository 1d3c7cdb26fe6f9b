#pragma once

#include "KeyMaterial.h"

#include <array>
#include <cstdint>

namespace korlink {

using CipherBlock = std::array<std::uint8_t, 8>;

// Deciphers the key index block of an IGC security record: 8 passes over the 8 rows of the
// table, each a nibble permutation, a right rotation of the 64-bit block by K[row] AND 7 bits
// and a byte-wise XOR with K[0..7] followed by a subtraction of K[8..15].
CipherBlock DecipherKeyIndex(CipherBlock block, const KeyMaterial& keys);

// The inverse, with which a recorder enciphers the key index it signed with.
CipherBlock EncipherKeyIndex(CipherBlock block, const KeyMaterial& keys);

} // namespace korlink
