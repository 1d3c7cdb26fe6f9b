#pragma once

#include <openssl/bn.h>
#include <string>

namespace korlink {

// The big-number functions of OpenSSL's libcrypto that the signature check uses. The library is
// loaded the first time a check needs it, not when a program starts: most runs never check a
// signature, and loading and relocating libcrypto costs more than the rest of a start-up.
struct LibCrypto {
    decltype(&::BN_new) BN_new;
    decltype(&::BN_free) BN_free;
    decltype(&::BN_CTX_new) BN_CTX_new;
    decltype(&::BN_CTX_free) BN_CTX_free;
    decltype(&::BN_bin2bn) BN_bin2bn;
    decltype(&::BN_bn2binpad) BN_bn2binpad;
    decltype(&::BN_is_zero) BN_is_zero;
    decltype(&::BN_is_negative) BN_is_negative;
    decltype(&::BN_cmp) BN_cmp;
    decltype(&::BN_nnmod) BN_nnmod;
    decltype(&::BN_mod_mul) BN_mod_mul;
    decltype(&::BN_mod_exp) BN_mod_exp;
    decltype(&::BN_mod_inverse) BN_mod_inverse;
};

// The functions, loaded once per process; nothing when the library or one of its functions
// cannot be found (LibCryptoError then says why).
const LibCrypto* LoadLibCrypto();
std::string LibCryptoError();

} // namespace korlink
