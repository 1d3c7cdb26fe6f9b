#include "DsaSignature.h"

#include "Bignum.h"

namespace korlink {
namespace {

bool InSubgroupRange(const LibCrypto& crypto, const BIGNUM* n, const BIGNUM* q) {
    return !crypto.BN_is_zero(n) && !crypto.BN_is_negative(n) && crypto.BN_cmp(n, q) < 0;
}

} // namespace

bool VerifyDsa(ByteView digest, ByteView r, ByteView s, ByteView y, const KeyMaterial& keys) {
    const auto* crypto = LoadLibCrypto();
    if (!crypto)
        return false;
    const auto& bn = *crypto;
    const auto context = NewBignumContext();
    const auto p = BignumFrom(keys.dsaP);
    const auto q = BignumFrom(keys.dsaQ);
    const auto g = BignumFrom(keys.dsaG);
    const auto publicValue = BignumFrom(y);
    const auto h = BignumFrom(digest);
    const auto rn = BignumFrom(r);
    const auto sn = BignumFrom(s);
    const auto w = NewBignum();
    const auto u1 = NewBignum();
    const auto u2 = NewBignum();
    const auto v1 = NewBignum();
    const auto v2 = NewBignum();
    const auto v = NewBignum();
    if (!context || !p || !q || !g || !publicValue || !h || !rn || !sn || !w || !u1 || !u2 || !v1 ||
        !v2 || !v)
        return false;
    if (!InSubgroupRange(bn, rn.get(), q.get()) || !InSubgroupRange(bn, sn.get(), q.get()))
        return false;
    // w = s^-1 mod q; u1 = H w mod q; u2 = r w mod q; v = (g^u1 y^u2 mod p) mod q.
    return bn.BN_mod_inverse(w.get(), sn.get(), q.get(), context.get()) != nullptr &&
           bn.BN_mod_mul(u1.get(), h.get(), w.get(), q.get(), context.get()) &&
           bn.BN_mod_mul(u2.get(), rn.get(), w.get(), q.get(), context.get()) &&
           bn.BN_mod_exp(v1.get(), g.get(), u1.get(), p.get(), context.get()) &&
           bn.BN_mod_exp(v2.get(), publicValue.get(), u2.get(), p.get(), context.get()) &&
           bn.BN_mod_mul(v.get(), v1.get(), v2.get(), p.get(), context.get()) &&
           bn.BN_nnmod(v.get(), v.get(), q.get(), context.get()) &&
           bn.BN_cmp(v.get(), rn.get()) == 0;
}

} // namespace korlink
