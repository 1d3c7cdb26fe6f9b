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
    static constexpr std::size_t kValueLength = 64;
    static constexpr std::size_t kCipherRows = 8;

    std::array<std::uint8_t, 32> storedLogCheckConstant{};
    Bytes dsaP; // 64 bytes, big-endian
    Bytes dsaQ; // 20 bytes
    Bytes dsaG; // 64 bytes
    // The hexadecimal text of y[0] .. y[999], read only when a check needs one of them; the
    // views refer to the lines the material was parsed from.
    std::vector<std::string_view> publicValueText;
    std::array<std::uint8_t, 16> cipherKey{};
    std::array<std::array<std::uint8_t, 16>, kCipherRows> cipherTable{};

    // y[index] as 64 big-endian bytes; nothing when its text is not 128 hexadecimal digits.
    std::optional<Bytes> PublicValue(std::size_t index) const;
};

// The items of a key file: lines "NAME VALUE"; blank lines and lines starting with "#" are
// skipped. Nothing when a line has no value or a name appears twice.
std::optional<std::map<std::string, std::string, std::less<>>>
ParseKeyItems(std::span<const std::string_view> lines);

// Hexadecimal digits to bytes, high digit first; nothing unless exactly `length` bytes.
std::optional<Bytes> HexBytes(std::string_view hex, std::size_t length);
// The same into `out`; false unless the digits fill it exactly.
bool HexInto(std::string_view hex, std::span<std::uint8_t> out);

// The key material from the lines of a key file, or nothing when an item is missing or malformed.
// The lines must outlive the result (the public values stay text until they are used).
std::optional<KeyMaterial> ParseKeyMaterial(std::span<const std::string_view> lines);

// The lines of the key file built into the library.
std::span<const std::string_view> RecorderKeyLines();

// The built-in key material, read once from the built-in key file.
const KeyMaterial& RecorderKeys();

} // namespace korlink
