#include "LineSpeeds.h"

#include <array>
#include <utility>

namespace korlink {
namespace {

constexpr std::array<std::pair<unsigned, speed_t>, 9> kSpeeds{{
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
}};

} // namespace

std::optional<speed_t> TermiosSpeed(unsigned bitsPerSecond) {
    for (const auto& [bps, constant] : kSpeeds) {
        if (bps == bitsPerSecond)
            return constant;
    }
    return std::nullopt;
}

std::optional<unsigned> BitsPerSecond(speed_t speed) {
    for (const auto& [bps, constant] : kSpeeds) {
        if (constant == speed)
            return bps;
    }
    return std::nullopt;
}

} // namespace korlink
