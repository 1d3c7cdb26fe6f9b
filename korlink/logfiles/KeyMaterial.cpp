#include "KeyMaterial.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <stdexcept>

namespace korlink {
namespace {

constexpr std::uint8_t kNotHex = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeHexDigits() {
    std::array<std::uint8_t, 256> digits{};
    digits.fill(kNotHex);
    for (int c = 0; c < 10; ++c)
        digits['0' + c] = static_cast<std::uint8_t>(c);
    for (int c = 0; c < 6; ++c) {
        digits['A' + c] = static_cast<std::uint8_t>(10 + c);
        digits['a' + c] = static_cast<std::uint8_t>(10 + c);
    }
    return digits;
}

constexpr auto kHexDigits = MakeHexDigits();

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

// "NAME VALUE" of a key file line; nothing for blank lines and comments.
std::optional<std::pair<std::string_view, std::string_view>> Item(std::string_view raw) {
    const auto line = Trimmed(raw);
    if (line.empty() || line.front() == '#')
        return std::nullopt;
    const auto gap = line.find_first_of(" \t");
    if (gap == std::string_view::npos)
        return std::pair{line, std::string_view{}};
    return std::pair{line.substr(0, gap), Trimmed(line.substr(gap))};
}

// The number NNN of a name "PREFIXNNN" of three digits.
std::optional<std::size_t> Numbered(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix) || name.size() != prefix.size() + 3)
        return std::nullopt;
    std::size_t number = 0;
    const auto digits = name.substr(prefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

} // namespace

bool HexInto(std::string_view hex, std::span<std::uint8_t> out) {
    if (hex.size() != 2 * out.size())
        return false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto high = kHexDigits[static_cast<unsigned char>(hex[2 * i])];
        const auto low = kHexDigits[static_cast<unsigned char>(hex[2 * i + 1])];
        if (high == kNotHex || low == kNotHex)
            return false;
        out[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return true;
}

std::optional<Bytes> HexBytes(std::string_view hex, std::size_t length) {
    Bytes bytes(length);
    if (!HexInto(hex, bytes))
        return std::nullopt;
    return bytes;
}

std::optional<std::map<std::string, std::string, std::less<>>>
ParseKeyItems(std::span<const std::string_view> lines) {
    std::map<std::string, std::string, std::less<>> items;
    for (const auto line : lines) {
        const auto item = Item(line);
        if (!item)
            continue;
        if (item->second.empty() ||
            !items.emplace(std::string(item->first), std::string(item->second)).second)
            return std::nullopt;
    }
    return items;
}

// One pass over the lines, straight into the key material: the library reads it at the first
// check of every process.
std::optional<KeyMaterial> ParseKeyMaterial(std::span<const std::string_view> lines) {
    KeyMaterial keys;
    keys.dsaP.resize(KeyMaterial::kValueLength);
    keys.dsaQ.resize(20);
    keys.dsaG.resize(KeyMaterial::kValueLength);
    keys.publicValueText.resize(KeyMaterial::kPublicValueCount);
    std::size_t required = 0; // check constant, p, q, g, cipher key
    std::array<bool, KeyMaterial::kCipherRows> rowSeen{};
    for (const auto line : lines) {
        const auto item = Item(line);
        if (!item)
            continue;
        const auto [name, value] = *item;
        bool good = true;
        if (const auto y = Numbered(name, "dsa-y-"); y && *y < KeyMaterial::kPublicValueCount) {
            auto& text = keys.publicValueText[*y];
            good = text.empty() && value.size() == 2 * KeyMaterial::kValueLength;
            text = value;
        } else if (name.starts_with("key-index-cipher-row-")) {
            const auto r = name.back() - '0';
            const auto row = CipherRow(value);
            good = name.size() == 22 && r >= 0 && r < 8 && row &&
                   !rowSeen[static_cast<std::size_t>(r)];
            if (good) {
                keys.cipherTable[static_cast<std::size_t>(r)] = *row;
                rowSeen[static_cast<std::size_t>(r)] = true;
            }
        } else if (name == "stored-log-check-constant") {
            good = HexInto(value, keys.storedLogCheckConstant);
            ++required;
        } else if (name == "key-index-cipher-key") {
            good = HexInto(value, keys.cipherKey);
            ++required;
        } else if (name == "dsa-p" || name == "dsa-q" || name == "dsa-g") {
            good = HexInto(value, name == "dsa-p"   ? keys.dsaP
                                  : name == "dsa-q" ? keys.dsaQ
                                                    : keys.dsaG);
            ++required;
        }
        if (!good)
            return std::nullopt;
    }
    const bool complete = required == 5 &&
                          std::all_of(rowSeen.begin(), rowSeen.end(), [](bool b) { return b; }) &&
                          std::none_of(keys.publicValueText.begin(), keys.publicValueText.end(),
                                       [](std::string_view text) { return text.empty(); });
    if (!complete)
        return std::nullopt;
    return keys;
}

std::optional<Bytes> KeyMaterial::PublicValue(std::size_t index) const {
    if (index >= publicValueText.size())
        return std::nullopt;
    return HexBytes(publicValueText[index], kValueLength);
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
