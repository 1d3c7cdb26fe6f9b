#pragma once

#include <optional>
#include <termios.h>

namespace korlink {

// Conversions between bit/s and the terminal's speed constants, for the rates a serial
// adapter offers.
std::optional<speed_t> TermiosSpeed(unsigned bitsPerSecond);
std::optional<unsigned> BitsPerSecond(speed_t speed);

} // namespace korlink
