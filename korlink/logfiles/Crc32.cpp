#include "Crc32.h"

#include <array>

namespace korlink {
namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr auto kTable = MakeTable();

} // namespace

void Crc32::Update(ByteView bytes) {
    std::uint32_t crc = value_;
    for (const auto byte : bytes)
        crc = kTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    value_ = crc;
}

} // namespace korlink
