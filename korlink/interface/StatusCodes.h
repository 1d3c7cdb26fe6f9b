#pragma once

#include "korlink/korlink.h"
#include "link/ConnectPrompt.h"

#include <cstdint>

namespace korlink {

// The message shown for a status code (the KOR_* codes of the public header); empty for
// success, cancellation and unknown codes. The library, the explorer and the command-line tool
// all show failures through this one table.
const char* StatusMessage(std::uint32_t code);

std::uint32_t StatusFromConnect(ConnectResult result);

} // namespace korlink
