#pragma once

#include "link/Bytes.h"

#include <cstdint>
#include <string>

namespace korlink::logbytes {

// Readers of the fixed layouts inside a stored log. A byte beyond the view reads as 0, so a
// section shorter than its layout never reads outside its buffer.
inline std::uint8_t At(ByteView bytes, std::size_t offset) {
    return offset < bytes.size() ? bytes[offset] : 0;
}

inline std::uint16_t BigEndian16(ByteView bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(At(bytes, offset) << 8 | At(bytes, offset + 1));
}

inline std::uint32_t BigEndian24(ByteView bytes, std::size_t offset) {
    return std::uint32_t{At(bytes, offset)} << 16 | std::uint32_t{At(bytes, offset + 1)} << 8 |
           At(bytes, offset + 2);
}

// A text field of `length` characters, up to its first zero byte.
inline std::string Text(ByteView bytes, std::size_t offset, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = At(bytes, offset + i);
        if (c == 0)
            break;
        text.push_back(static_cast<char>(c));
    }
    return text;
}

// The part of `bytes` from `offset` on, `length` bytes at most; empty beyond the end.
inline ByteView Section(ByteView bytes, std::size_t offset, std::size_t length) {
    if (offset >= bytes.size())
        return {};
    return bytes.subspan(offset, std::min(length, bytes.size() - offset));
}

} // namespace korlink::logbytes
