#include "KeyMaterial.h"

#include <charconv>
#include <cstdio>
#include <stdexcept>

namespace korlink {
namespace {

std::optional<std::uint8_t> HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    return std::nullopt;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A cipher row: 16 decimal nibble positions 0..15, comma-separated.
std::optional<std::array<std::uint8_t, 16>> CipherRow(std::string_view text) {
    std::array<std::uint8_t, 16> row{};
    std::size_t index = 0;
    while (index < row.size()) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc{} || value > 15)
            return std::nullopt;
        row[index++] = static_cast<std::uint8_t>(value);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (index < row.size()) {
            if (text.empty() || text.front() != ',')
                return std::nullopt;
            text.remove_prefix(1);
        }
    }
    if (!text.empty())
        return std::nullopt;
    return row;
}

template <std::size_t N>
bool CopyHex(const std::map<std::string, std::string, std::less<>>& items, std::string_view name,
             std::array<std::uint8_t, N>& out) {
    const auto item = items.find(name);
    const auto bytes = item == items.end() ? std::nullopt : HexBytes(item->second, N);
    if (!bytes)
        return false;
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return true;
}

std::optional<Bytes> HexItem(const std::map<std::string, std::string, std::less<>>& items,
                             std::string_view name, std::size_t length) {
    const auto item = items.find(name);
    return item == items.end() ? std::nullopt : HexBytes(item->second, length);
}

} // namespace

std::optional<Bytes> HexBytes(std::string_view hex, std::size_t length) {
    if (hex.size() != 2 * length)
        return std::nullopt;
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto high = HexDigit(hex[2 * i]);
        const auto low = HexDigit(hex[2 * i + 1]);
        if (!high || !low)
            return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(*high << 4 | *low);
    }
    return bytes;
}

std::optional<std::map<std::string, std::string, std::less<>>>
ParseKeyItems(std::span<const std::string_view> lines) {
    std::map<std::string, std::string, std::less<>> items;
    for (const auto raw : lines) {
        const auto line = Trimmed(raw);
        if (line.empty() || line.front() == '#')
            continue;
        const auto gap = line.find_first_of(" \t");
        if (gap == std::string_view::npos)
            return std::nullopt;
        const auto value = Trimmed(line.substr(gap));
        if (!items.emplace(std::string(line.substr(0, gap)), std::string(value)).second)
            return std::nullopt;
    }
    return items;
}

std::optional<KeyMaterial> ParseKeyMaterial(std::span<const std::string_view> lines) {
    const auto items = ParseKeyItems(lines);
    if (!items)
        return std::nullopt;
    KeyMaterial keys;
    auto p = HexItem(*items, "dsa-p", 64);
    auto q = HexItem(*items, "dsa-q", 20);
    auto g = HexItem(*items, "dsa-g", 64);
    if (!p || !q || !g ||
        !CopyHex(*items, "stored-log-check-constant", keys.storedLogCheckConstant) ||
        !CopyHex(*items, "key-index-cipher-key", keys.cipherKey))
        return std::nullopt;
    keys.dsaP = std::move(*p);
    keys.dsaQ = std::move(*q);
    keys.dsaG = std::move(*g);
    for (std::size_t r = 0; r < KeyMaterial::kCipherRows; ++r) {
        const auto item = items->find("key-index-cipher-row-" + std::to_string(r));
        const auto row = item == items->end() ? std::nullopt : CipherRow(item->second);
        if (!row)
            return std::nullopt;
        keys.cipherTable[r] = *row;
    }
    keys.publicValues.reserve(KeyMaterial::kPublicValueCount);
    for (std::size_t i = 0; i < KeyMaterial::kPublicValueCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "dsa-y-%03zu", i);
        auto y = HexItem(*items, name, 64);
        if (!y)
            return std::nullopt;
        keys.publicValues.push_back(std::move(*y));
    }
    return keys;
}

const KeyMaterial& RecorderKeys() {
    static const KeyMaterial keys = [] {
        auto parsed = ParseKeyMaterial(RecorderKeyLines());
        if (!parsed)
            throw std::runtime_error("the built-in key material is malformed");
        return std::move(*parsed);
    }();
    return keys;
}

} // namespace korlink
