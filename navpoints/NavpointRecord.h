#pragma once

#include "Navpoint.h"
#include "korlink/korlink.h"

// The 64-byte navpoint record that programs exchange with the recorder library.
namespace navpoints {

// The navpoint a record describes. Bytes 0 to 7 are not read; a name or remark ends at its
// first zero byte or after 13 bytes and is kept to 12 characters.
Navpoint FromRecord(const NavpointRecord& record);

// Fills a record from a navpoint; bytes 0 to 7 are left as they are, names and remarks are
// zero-filled to their 13 bytes.
void ToRecord(const Navpoint& navpoint, NavpointRecord& record);

} // namespace navpoints
