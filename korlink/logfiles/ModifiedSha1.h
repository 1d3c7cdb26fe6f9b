#pragma once

#include "link/Bytes.h"

#include <array>
#include <cstdint>

namespace korlink {

// The hash of the IGC security check: SHA-1's block compression with one change in the round
// function of rounds 0 to 19, (B AND C) OR (NOT B) OR D, and a zero fill of the last block
// instead of the standard padding (no 0x80 byte, no length). Standard SHA-1 gives a different
// digest.
class ModifiedSha1 {
public:
    static constexpr std::size_t kBlockSize = 64;
    using Block = std::array<std::uint8_t, kBlockSize>;
    using Digest = std::array<std::uint8_t, 20>;

    ModifiedSha1() { Restart(); }

    void Restart();
    void Compress(const Block& block);
    // The five hash words, each big-endian.
    Digest Value() const;

private:
    std::array<std::uint32_t, 5> state_{};
};

} // namespace korlink
