#include "Signing.h"

#include "logfiles/Bignum.h"
#include "logfiles/Crc32.h"
#include "logfiles/IgcLogHash.h"
#include "logfiles/IgcSecurityCheck.h"
#include "logfiles/KeyIndexCipher.h"
#include "logfiles/StoredLogCheck.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace korsim {

std::span<const std::string_view> SigningKeyLines();

namespace {

using namespace korlink::igccheck;
using korlink::Bignum;
using korlink::BignumFrom;

constexpr std::size_t kFlightInformation = 100;
constexpr std::size_t kDeclaration = 69;
constexpr std::size_t kSecurityPayload = 49;

void PutBigEndian32(korlink::SecurityRecord& record, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        record[offset + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// The series of the recorders that sign IGC files, as their hardware version record names it.
constexpr std::string_view kSigningSeries = "Strata";

// A hardware version record ("H?RHW...: value") naming the signing series before its value.
std::string WithSeries(std::string_view line) {
    std::string named(line);
    const auto colon = named.find(':');
    if (line.size() < 5 || line.substr(2, 3) != "RHW" || colon == std::string::npos ||
        named.find(kSigningSeries) != std::string::npos)
        return named;
    const auto value = named.find_first_not_of(' ', colon + 1);
    named.insert(value == std::string::npos ? colon + 1 : value, std::string(kSigningSeries) + " ");
    return named;
}

// The text without its G lines, ending in a line end, with the hardware version record naming
// the series as a signing recorder writes it.
std::string WithoutSecurityRecord(std::string_view text) {
    std::string kept;
    kept.reserve(text.size() + 2);
    while (!text.empty()) {
        const auto lf = text.find('\n');
        const auto line = text.substr(0, lf == std::string_view::npos ? text.size() : lf + 1);
        if (line.front() == 'H')
            kept += WithSeries(line);
        else if (line.front() != 'G')
            kept += line;
        text.remove_prefix(line.size());
    }
    if (!kept.empty() && kept.back() != '\n')
        kept += "\r\n";
    return kept;
}

struct Signature {
    Bytes r;
    Bytes s;
};

// DSA signature with a per-message k derived from the digest and the signing value, so that
// the same file signs the same way every time.
std::optional<Signature> SignDigest(ByteView digest, ByteView x, const korlink::KeyMaterial& keys) {
    const auto context = korlink::NewBignumContext();
    const auto p = BignumFrom(keys.dsaP);
    const auto q = BignumFrom(keys.dsaQ);
    const auto g = BignumFrom(keys.dsaG);
    const auto xn = BignumFrom(x);
    const auto h = BignumFrom(digest);
    for (std::uint8_t attempt = 0; attempt < 16; ++attempt) {
        Bytes seed(digest.begin(), digest.end());
        seed.insert(seed.end(), x.begin(), x.end());
        seed.push_back(attempt);
        const auto k = BignumFrom(seed);
        const auto qMinusOne = Bignum(BN_dup(q.get()));
        const auto r = korlink::NewBignum();
        const auto s = korlink::NewBignum();
        const auto kInverse = korlink::NewBignum();
        const auto sum = korlink::NewBignum();
        if (!context || !p || !q || !g || !xn || !h || !k || !qMinusOne || !r || !s || !kInverse ||
            !sum)
            return std::nullopt;
        // k in 1 .. q-1; r = (g^k mod p) mod q; s = k^-1 (H + x r) mod q.
        if (!BN_sub_word(qMinusOne.get(), 1) ||
            !BN_nnmod(k.get(), k.get(), qMinusOne.get(), context.get()) ||
            !BN_add_word(k.get(), 1) ||
            !BN_mod_exp(r.get(), g.get(), k.get(), p.get(), context.get()) ||
            !BN_nnmod(r.get(), r.get(), q.get(), context.get()) ||
            !BN_mod_inverse(kInverse.get(), k.get(), q.get(), context.get()) ||
            !BN_mod_mul(sum.get(), xn.get(), r.get(), q.get(), context.get()) ||
            !BN_mod_add(sum.get(), sum.get(), h.get(), q.get(), context.get()) ||
            !BN_mod_mul(s.get(), kInverse.get(), sum.get(), q.get(), context.get()))
            return std::nullopt;
        if (BN_is_zero(r.get()) || BN_is_zero(s.get()))
            continue;
        auto rBytes = korlink::BignumBytes(r.get(), 20);
        auto sBytes = korlink::BignumBytes(s.get(), 20);
        if (!rBytes || !sBytes)
            return std::nullopt;
        return Signature{std::move(*rBytes), std::move(*sBytes)};
    }
    return std::nullopt;
}

} // namespace

std::optional<Bytes> StoredLogSecurityRecord(ByteView fixData, ByteView configuration,
                                             ByteView declaration) {
    if (configuration.size() < kFlightInformation || declaration.size() < kDeclaration)
        return std::nullopt;
    Bytes covered(fixData.begin(), fixData.end());
    covered.insert(covered.end(), configuration.begin(),
                   configuration.begin() + kFlightInformation);
    covered.insert(covered.end(), declaration.begin(), declaration.begin() + kDeclaration);
    const auto serial = static_cast<std::uint16_t>(configuration[2] << 8 | configuration[3]);
    const auto value =
        korlink::ComputeStoredLogCheck(serial, covered, covered.size(), korlink::RecorderKeys());
    if (!value)
        return std::nullopt;
    Bytes payload(kSecurityPayload, 0);
    std::copy(value->begin(), value->end(), payload.begin());
    return payload;
}

const SigningKeys& RecorderSigningKeys() {
    static const SigningKeys keys = [] {
        const auto items = korlink::ParseKeyItems(SigningKeyLines());
        SigningKeys parsed;
        for (std::size_t i = 0; items && i < korlink::KeyMaterial::kPublicValueCount; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "dsa-x-%03zu", i);
            const auto item = items->find(name);
            auto x = item == items->end() ? std::nullopt : korlink::HexBytes(item->second, 20);
            if (!x)
                break;
            parsed.privateValues.push_back(std::move(*x));
        }
        if (parsed.privateValues.size() != korlink::KeyMaterial::kPublicValueCount)
            throw std::runtime_error("the built-in signing values are malformed");
        return parsed;
    }();
    return keys;
}

std::optional<std::string> SignIgcText(std::string_view text, const IgcSigning& signing,
                                       const korlink::KeyMaterial& keys) {
    const auto& privateValues = RecorderSigningKeys().privateValues;
    const auto keyIndex = signing.keyIndex % korlink::KeyMaterial::kPublicValueCount;
    std::string signedText = WithoutSecurityRecord(text);
    korlink::IgcLogHash hash;
    hash.Feed(korlink::AsBytes(signedText));
    const auto log = hash.Finish();

    korlink::SecurityRecord record{};
    record[0] = static_cast<std::uint8_t>(signing.status >> 8);
    record[1] = static_cast<std::uint8_t>(signing.status);
    PutBigEndian32(record, kLogCrcOffset, log.crc);
    if (signing.status != kUnsignedStatus) {
        const auto signature = SignDigest(log.digest, privateValues[keyIndex], keys);
        if (!signature)
            return std::nullopt;
        std::copy(signature->r.begin(), signature->r.end(), record.begin() + kROffset);
        std::copy(signature->s.begin(), signature->s.end(), record.begin() + kSOffset);
        // The key index, then filler from the digest, enciphered.
        korlink::CipherBlock block{static_cast<std::uint8_t>(signing.keyIndex >> 8),
                                   static_cast<std::uint8_t>(signing.keyIndex)};
        std::copy_n(log.digest.begin(), 6, block.begin() + 2);
        block = korlink::EncipherKeyIndex(block, keys);
        std::copy(block.begin(), block.end(), record.begin() + kKeyIndexOffset);
    }
    PutBigEndian32(record, kRecordCrcOffset,
                   korlink::Crc32::Of(ByteView(record).first(kRecordCrcOffset)));
    signedText += korlink::SecurityRecordLines(record);
    return signedText;
}

} // namespace korsim
