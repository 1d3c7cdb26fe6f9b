#pragma once

#include "interface/RecorderConfig.h"

#include <optional>
#include <string_view>

namespace korsim {

// Applies a configuration line ("x,U,<pilot 24>,<glider 9><comp 3>,DDD,A,R,N") to the
// recorder's configuration, as the recorder does when it receives one in download mode.
// Nothing when the line is not a well-formed configuration line.
std::optional<korlink::RecorderConfig>
ApplyConfigurationLine(const korlink::RecorderConfig& current, std::string_view line);

} // namespace korsim
