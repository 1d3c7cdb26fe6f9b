#pragma once

#include "link/Bytes.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korlink {

// The recorder family's key material: the stored-log check constant, the DSA domain values
// with the table of 1000 public values, and the key-index cipher's key and nibble table.
struct KeyMaterial {
    static constexpr std::size_t kPublicValueCount = 1000;
    static constexpr std::size_t kCipherRows = 8;

    std::array<std::uint8_t, 32> storedLogCheckConstant{};
    Bytes dsaP; // 64 bytes, big-endian
    Bytes dsaQ; // 20 bytes
    Bytes dsaG; // 64 bytes
    std::vector<Bytes> publicValues;
    std::array<std::uint8_t, 16> cipherKey{};
    std::array<std::array<std::uint8_t, 16>, kCipherRows> cipherTable{};
};

// The items of a key file: lines "NAME VALUE"; blank lines and lines starting with "#" are
// skipped. Nothing when a line has no value or a name appears twice.
std::optional<std::map<std::string, std::string, std::less<>>>
ParseKeyItems(std::span<const std::string_view> lines);

// Hexadecimal digits to bytes, high digit first; nothing unless exactly `length` bytes.
std::optional<Bytes> HexBytes(std::string_view hex, std::size_t length);

// The key material from the lines of a key file, or nothing when an item is missing or malformed.
std::optional<KeyMaterial> ParseKeyMaterial(std::span<const std::string_view> lines);

// The lines of the key file built into the library.
std::span<const std::string_view> RecorderKeyLines();

// The built-in key material, read once from the built-in key file.
const KeyMaterial& RecorderKeys();

} // namespace korlink
