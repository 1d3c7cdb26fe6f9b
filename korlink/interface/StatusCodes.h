#pragma once

#include "link/ConnectPrompt.h"

#include <cstdint>

namespace korlink {

// Status codes returned by every export that can fail, shared by the library, the explorer
// program and the command-line tool.
enum StatusCode : std::uint32_t {
    kSuccess = 0,
    kInvalidPort = 2,
    kCancelled = 3,
    kNoConnection = 4,
    kCommunicationError = 5,
    kNoLogs = 6,
    kLogWriteFailed = 7,
    kSecurityCheckFailed = 8,
    kFileOpenFailed = 9,
    kFileReadFailed = 10,
    kInvalidTask = 11,
    kTaskNotConfirmed = 12,
    kDeclarationNotConfirmed = 13,
    kNavpointsNotConfirmed = 14,
};

// The message shown for a code; empty for success, cancellation and unknown codes.
const char* StatusMessage(std::uint32_t code);

std::uint32_t StatusFromConnect(ConnectResult result);

} // namespace korlink
