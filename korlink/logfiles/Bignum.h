#pragma once

#include "LibCrypto.h"
#include "link/Bytes.h"

#include <memory>
#include <optional>

namespace korlink {

// Owning handles for OpenSSL's big-number arithmetic, which the DSA values need. A handle is
// only ever non-null once libcrypto is loaded.
struct BignumFree {
    void operator()(BIGNUM* n) const { LoadLibCrypto()->BN_free(n); }
};
struct BignumContextFree {
    void operator()(BN_CTX* c) const { LoadLibCrypto()->BN_CTX_free(c); }
};
using Bignum = std::unique_ptr<BIGNUM, BignumFree>;
using BignumContext = std::unique_ptr<BN_CTX, BignumContextFree>;

// A fresh number, or a null handle when memory runs out or libcrypto cannot be loaded.
inline Bignum NewBignum() {
    const auto* crypto = LoadLibCrypto();
    return Bignum(crypto ? crypto->BN_new() : nullptr);
}

inline BignumContext NewBignumContext() {
    const auto* crypto = LoadLibCrypto();
    return BignumContext(crypto ? crypto->BN_CTX_new() : nullptr);
}

// A big-endian unsigned number; a null handle as NewBignum gives one.
inline Bignum BignumFrom(ByteView bytes) {
    const auto* crypto = LoadLibCrypto();
    return Bignum(crypto ? crypto->BN_bin2bn(bytes.data(), static_cast<int>(bytes.size()), nullptr)
                         : nullptr);
}

// The number as exactly `length` big-endian bytes, or nothing when it does not fit.
inline std::optional<Bytes> BignumBytes(const BIGNUM* n, std::size_t length) {
    Bytes bytes(length);
    if (LoadLibCrypto()->BN_bn2binpad(n, bytes.data(), static_cast<int>(length)) < 0)
        return std::nullopt;
    return bytes;
}

} // namespace korlink
