#include "Attributes.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace navpoints {
namespace {

// Letter of each bit position; 0 where the bit has none.
constexpr std::array<char, 11> kLetterOfBit{'T', 'A', 'M', 'L', 'S', 'F', 'H', 'E', 0, 'W', 'R'};

struct Named {
    char letter;
    std::uint32_t bit;
};

constexpr std::array<Named, 6> kColumnOrder{{{'H', attribute::kHome},
                                             {'S', attribute::kStart},
                                             {'F', attribute::kFinish},
                                             {'A', attribute::kAirfield},
                                             {'T', attribute::kTurnpoint},
                                             {'L', attribute::kLandable}}};

} // namespace

std::string AttributeLetters(std::uint32_t attributes, int width, bool padded) {
    std::string letters;
    const int bits = std::min<int>(width, static_cast<int>(kLetterOfBit.size()));
    for (int bit = 0; bit < bits; ++bit) {
        if ((attributes & (1u << bit)) != 0 && kLetterOfBit[static_cast<std::size_t>(bit)] != 0)
            letters += kLetterOfBit[static_cast<std::size_t>(bit)];
    }
    if (padded && width > 0)
        letters.resize(std::max(letters.size(), static_cast<std::size_t>(width)), ' ');
    return letters;
}

std::uint32_t AttributesFromLetters(std::string_view letters) {
    std::uint32_t attributes = 0;
    for (int bit = 0; bit < kAttributeWidth; ++bit) {
        const char letter = kLetterOfBit[static_cast<std::size_t>(bit)];
        if (letter != 0 && letters.find(letter) != std::string_view::npos)
            attributes |= 1u << bit;
    }
    return attributes;
}

std::string AttributeColumnText(std::uint32_t attributes) {
    std::string text = " ";
    for (const auto& named : kColumnOrder) {
        if ((attributes & named.bit) != 0)
            (text += named.letter) += ' ';
    }
    return text;
}

} // namespace navpoints
