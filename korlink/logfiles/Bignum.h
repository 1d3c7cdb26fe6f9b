#pragma once

#include "link/Bytes.h"

#include <memory>
#include <openssl/bn.h>
#include <optional>

namespace korlink {

// Owning handles for OpenSSL's big-number arithmetic, which the DSA values need.
struct BignumFree {
    void operator()(BIGNUM* n) const { BN_free(n); }
};
struct BignumContextFree {
    void operator()(BN_CTX* c) const { BN_CTX_free(c); }
};
using Bignum = std::unique_ptr<BIGNUM, BignumFree>;
using BignumContext = std::unique_ptr<BN_CTX, BignumContextFree>;

inline Bignum NewBignum() {
    return Bignum(BN_new());
}

// A big-endian unsigned number; a null handle when memory runs out.
inline Bignum BignumFrom(ByteView bytes) {
    return Bignum(BN_bin2bn(bytes.data(), static_cast<int>(bytes.size()), nullptr));
}

// The number as exactly `length` big-endian bytes, or nothing when it does not fit.
inline std::optional<Bytes> BignumBytes(const BIGNUM* n, std::size_t length) {
    Bytes bytes(length);
    if (BN_bn2binpad(n, bytes.data(), static_cast<int>(length)) < 0)
        return std::nullopt;
    return bytes;
}

} // namespace korlink
