#pragma once

#include "korlink/korlink.h"
#include "settings/ProgramSettings.h"

#include <functional>

namespace vantrel {

// A connection attempt: the library's KORConnect or a stand-in.
using ConnectCall = std::function<std::uint32_t(const ConnectionDescriptor*)>;

inline constexpr int kHighestPort = 8;

// Finds the recorder's port when none is stored: when "CommPort" reads 0 (its default here),
// ports 1 to 8 are probed in order (no retries, quiet) and the first that answers is written
// to "CommPort". True when a port was stored already or one was found.
bool DetectRecorderPort(ProgramSettings& settings, const ConnectCall& connect = KORConnect);

} // namespace vantrel
