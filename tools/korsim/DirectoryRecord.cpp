#include "DirectoryRecord.h"

#include <vector>

namespace korsim {
namespace {

constexpr std::uint8_t kSeparator = 14;
constexpr std::uint8_t kEnd = 15;

void PutDateTime(std::vector<std::uint8_t>& nibbles, const std::uint8_t* t) {
    const auto pair = [&](std::uint8_t value) {
        nibbles.push_back(static_cast<std::uint8_t>(value / 14 % 14));
        nibbles.push_back(static_cast<std::uint8_t>(value % 14));
    };
    pair(t[0]);
    nibbles.push_back(0);
    nibbles.push_back(t[1]);
    pair(t[2]);
    pair(t[3]);
    pair(t[4]);
    pair(t[5]);
}

void PutNumber(std::vector<std::uint8_t>& nibbles, std::uint32_t value) {
    std::vector<std::uint8_t> digits;
    do {
        digits.insert(digits.begin(), static_cast<std::uint8_t>(value % 14));
        value /= 14;
    } while (value > 0);
    nibbles.insert(nibbles.end(), digits.begin(), digits.end());
}

} // namespace

korlink::Bytes EncodeDirectoryRecord(const std::array<std::uint8_t, 16>& entry) {
    // Field 0 holds the first fix; every separator up to number 8 sits at an even nibble
    // position, so the last fix follows separator 9 and the count follows separator 18.
    std::vector<std::uint8_t> nibbles;
    PutDateTime(nibbles, entry.data());
    for (int separator = 0; separator < 9; ++separator) {
        nibbles.push_back(kSeparator);
        nibbles.push_back(0);
    }
    nibbles.push_back(kSeparator);
    PutDateTime(nibbles, entry.data() + 6);
    for (int separator = 10; separator < 18; ++separator) {
        nibbles.push_back(kSeparator);
        nibbles.push_back(0);
    }
    nibbles.push_back(kSeparator);
    const std::uint32_t count =
        entry[12] | (entry[13] << 8) | (entry[14] << 16) | (std::uint32_t{entry[15]} << 24);
    PutNumber(nibbles, count % (14u * 14 * 14 * 14 * 14));
    nibbles.push_back(kSeparator);
    nibbles.push_back(kEnd);
    if (nibbles.size() % 2 != 0)
        nibbles.push_back(0);
    korlink::Bytes bytes;
    for (std::size_t i = 0; i < nibbles.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(nibbles[i] << 4 | nibbles[i + 1]));
    return bytes;
}

} // namespace korsim
