#include "StoredLogCheck.h"

#include "StoredLog.h"

#include <algorithm>

namespace korlink {
namespace {

constexpr std::size_t kHalf = 16;

// Twice over the half: a = H[5]; for n = 1..16: a += n * H[n-1]; H[n-1] += a.
void Mix(std::span<std::uint8_t, kHalf> half) {
    std::uint8_t a = half[5];
    for (int round = 0; round < 2; ++round) {
        for (std::size_t n = 1; n <= kHalf; ++n) {
            a = static_cast<std::uint8_t>(a + n * half[n - 1]);
            half[n - 1] = static_cast<std::uint8_t>(half[n - 1] + a);
        }
    }
}

} // namespace

std::optional<StoredLogCheckValue> ComputeStoredLogCheck(std::uint16_t serialNumber, ByteView data,
                                                         std::size_t span,
                                                         const KeyMaterial& keys) {
    if (data.size() < std::max(span, kHalf))
        return std::nullopt;
    StoredLogCheckValue s = keys.storedLogCheckConstant;
    for (std::size_t i = 0; i < kHalf; ++i) {
        if (serialNumber & (1u << i)) {
            const auto mask = static_cast<std::uint8_t>(1u << (i / 2));
            s[i] ^= mask;
            s[kHalf + i] ^= mask;
        }
    }
    for (std::size_t i = 0; i < kHalf; ++i)
        s[kHalf + i] = static_cast<std::uint8_t>(s[kHalf + i] + data[kHalf - 1 - i]);
    for (std::size_t k = 0; k < span; ++k) {
        const auto j = k % kHalf;
        s[j] ^= data[k];
        s[kHalf + j] ^= data[k];
    }
    Mix(std::span(s).first<kHalf>());
    Mix(std::span(s).last<kHalf>());
    return s;
}

bool PassesStoredLogCheck(const StoredLog& log, const KeyMaterial& keys) {
    const auto& header = log.Header();
    const auto data =
        log.Image().subspan(std::min<std::size_t>(header.FixDataOffset(), StoredLog::kImageSize));
    const auto value = ComputeStoredLogCheck(log.SerialNumber(), data, header.coveredSpan, keys);
    const auto stored = log.SecurityBlock();
    return value && stored.size() >= kHalf &&
           std::equal(value->begin(), value->begin() + kHalf, stored.begin());
}

} // namespace korlink
