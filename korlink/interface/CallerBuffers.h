#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace korlink {

// Copies a text into a caller's fixed buffer of `size` bytes: cut to fit and always terminated.
inline void CopyToBuffer(char* buffer, std::size_t size, std::string_view text) {
    if (!buffer || size == 0)
        return;
    const std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

} // namespace korlink
