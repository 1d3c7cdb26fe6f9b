#pragma once

#include "KeyMaterial.h"

namespace korlink {

// DSA verification (FIPS 186) of the signature (r, s) over a 20-byte digest read as a
// big-endian number, with the family's p, q, g and the public value y. r and s must lie in
// 1 .. q-1.
bool VerifyDsa(ByteView digest, ByteView r, ByteView s, ByteView y, const KeyMaterial& keys);

} // namespace korlink
