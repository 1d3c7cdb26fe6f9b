#pragma once

#include "link/Bytes.h"

#include <cstdint>

namespace korlink {

// The CRC-32 of the IGC security record: reflected polynomial 0xEDB88320, started at
// 0xA5A5A5A5, no final inversion; the register itself is the value compared.
class Crc32 {
public:
    static constexpr std::uint32_t kStart = 0xA5A5A5A5u;

    void Update(ByteView bytes);
    std::uint32_t Value() const { return value_; }

    static std::uint32_t Of(ByteView bytes) {
        Crc32 crc;
        crc.Update(bytes);
        return crc.Value();
    }

private:
    std::uint32_t value_ = kStart;
};

} // namespace korlink
