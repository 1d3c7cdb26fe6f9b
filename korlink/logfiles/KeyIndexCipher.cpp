#include "KeyIndexCipher.h"

namespace korlink {
namespace {

constexpr int kPasses = 8;

std::uint8_t Nibble(const CipherBlock& block, std::size_t index) {
    const auto byte = block[index / 2];
    return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

void SetNibble(CipherBlock& block, std::size_t index, std::uint8_t nibble) {
    block[index / 2] |= static_cast<std::uint8_t>(index % 2 == 0 ? nibble << 4 : nibble);
}

// New nibble j is old nibble row[j].
CipherBlock Permuted(const CipherBlock& block, const std::array<std::uint8_t, 16>& row) {
    CipherBlock result{};
    for (std::size_t j = 0; j < 16; ++j)
        SetNibble(result, j, Nibble(block, row[j]));
    return result;
}

CipherBlock Unpermuted(const CipherBlock& block, const std::array<std::uint8_t, 16>& row) {
    CipherBlock result{};
    for (std::size_t j = 0; j < 16; ++j)
        SetNibble(result, row[j], Nibble(block, j));
    return result;
}

std::uint64_t ToWord(const CipherBlock& block) {
    std::uint64_t word = 0;
    for (const auto byte : block)
        word = word << 8 | byte;
    return word;
}

CipherBlock FromWord(std::uint64_t word) {
    CipherBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(word >> (56 - 8 * i));
    return block;
}

CipherBlock RotatedRight(const CipherBlock& block, int shift) {
    const auto word = ToWord(block);
    return FromWord(shift == 0 ? word : (word >> shift) | (word << (64 - shift)));
}

} // namespace

CipherBlock DecipherKeyIndex(CipherBlock block, const KeyMaterial& keys) {
    const auto& key = keys.cipherKey;
    for (int pass = 0; pass < kPasses; ++pass) {
        for (std::size_t r = 0; r < KeyMaterial::kCipherRows; ++r) {
            block = RotatedRight(Permuted(block, keys.cipherTable[r]), key[r] & 7);
            for (std::size_t j = 0; j < 8; ++j)
                block[j] = static_cast<std::uint8_t>((block[j] ^ key[j]) - key[8 + j]);
        }
    }
    return block;
}

CipherBlock EncipherKeyIndex(CipherBlock block, const KeyMaterial& keys) {
    const auto& key = keys.cipherKey;
    for (int pass = 0; pass < kPasses; ++pass) {
        for (std::size_t r = KeyMaterial::kCipherRows; r-- > 0;) {
            for (std::size_t j = 0; j < 8; ++j)
                block[j] = static_cast<std::uint8_t>((block[j] + key[8 + j]) ^ key[j]);
            const int shift = key[r] & 7;
            block =
                Unpermuted(RotatedRight(block, shift == 0 ? 0 : 64 - shift), keys.cipherTable[r]);
        }
    }
    return block;
}

} // namespace korlink
