#include "ModifiedSha1.h"

#include <bit>

namespace korlink {

void ModifiedSha1::Restart() {
    state_ = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
}

namespace {

// The message schedule in a ring of 16 words: word t from t-3, t-8, t-14 and t-16.
struct Schedule {
    std::array<std::uint32_t, 16> w;
    std::uint32_t operator()(std::size_t t) {
        if (t < 16)
            return w[t];
        auto& slot = w[t & 15];
        slot = std::rotl(w[(t - 3) & 15] ^ w[(t - 8) & 15] ^ w[(t - 14) & 15] ^ slot, 1);
        return slot;
    }
};

struct Registers {
    std::uint32_t a, b, c, d, e;

    template <std::size_t First, typename Round> void Run(Schedule& w, std::uint32_t k, Round f) {
#pragma GCC unroll 20
        for (std::size_t t = First; t < First + 20; ++t) {
            const std::uint32_t next = std::rotl(a, 5) + f(b, c, d) + e + k + w(t);
            e = d;
            d = c;
            c = std::rotl(b, 30);
            b = a;
            a = next;
        }
    }
};

} // namespace

void ModifiedSha1::Compress(const Block& block) {
    Schedule w{};
    for (std::size_t t = 0; t < 16; ++t)
        w.w[t] = std::uint32_t{block[4 * t]} << 24 | std::uint32_t{block[4 * t + 1]} << 16 |
                 std::uint32_t{block[4 * t + 2]} << 8 | std::uint32_t{block[4 * t + 3]};
    Registers r{state_[0], state_[1], state_[2], state_[3], state_[4]};
    // Rounds 0 to 19 use the recorder family's function, not SHA-1's (B AND C) OR (NOT B AND D).
    r.Run<0>(w, 0x5A827999u, [](auto b, auto c, auto d) { return (b & c) | ~b | d; });
    r.Run<20>(w, 0x6ED9EBA1u, [](auto b, auto c, auto d) { return b ^ c ^ d; });
    r.Run<40>(w, 0x8F1BBCDCu, [](auto b, auto c, auto d) { return (b & c) | (b & d) | (c & d); });
    r.Run<60>(w, 0xCA62C1D6u, [](auto b, auto c, auto d) { return b ^ c ^ d; });
    state_[0] += r.a;
    state_[1] += r.b;
    state_[2] += r.c;
    state_[3] += r.d;
    state_[4] += r.e;
}

ModifiedSha1::Digest ModifiedSha1::Value() const {
    Digest digest{};
    for (std::size_t i = 0; i < state_.size(); ++i)
        for (std::size_t j = 0; j < 4; ++j)
            digest[4 * i + j] = static_cast<std::uint8_t>(state_[i] >> (24 - 8 * j));
    return digest;
}

} // namespace korlink
