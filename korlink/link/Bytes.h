#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace korlink {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

inline ByteView AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace korlink
