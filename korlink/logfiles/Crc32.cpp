#include "Crc32.h"

#include <array>

namespace korlink {
namespace {

using Table = std::array<std::uint32_t, 256>;

// table[0] is the byte-wise table; table[k][n] advances table[k-1][n] by one zero byte, so that
// eight bytes are taken at a time ("slicing by eight") with the same result as byte by byte.
constexpr std::array<Table, 8> MakeTables() {
    std::array<Table, 8> tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (std::size_t k = 1; k < tables.size(); ++k) {
        for (std::size_t n = 0; n < 256; ++n)
            tables[k][n] = tables[0][tables[k - 1][n] & 0xFF] ^ (tables[k - 1][n] >> 8);
    }
    return tables;
}

constexpr auto kTables = MakeTables();

} // namespace

void Crc32::Update(ByteView bytes) {
    std::uint32_t crc = value_;
    const auto& t = kTables;
    while (bytes.size() >= 8) {
        const auto& b = bytes;
        const std::uint32_t low = crc ^ (std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 |
                                         std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24);
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^
              t[4][low >> 24] ^ t[3][b[4]] ^ t[2][b[5]] ^ t[1][b[6]] ^ t[0][b[7]];
        bytes = bytes.subspan(8);
    }
    for (const auto byte : bytes)
        crc = t[0][(crc ^ byte) & 0xFF] ^ (crc >> 8);
    value_ = crc;
}

} // namespace korlink
