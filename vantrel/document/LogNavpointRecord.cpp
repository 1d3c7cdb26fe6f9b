#include "LogNavpointRecord.h"

#include "IgcCoordinates.h"
#include "TextLines.h"

#include <array>

namespace vantrel {
namespace {

constexpr std::size_t kIdIndex = 5;
constexpr std::size_t kLatitudeIndex = 10;
constexpr std::size_t kLongitudeIndex = 18;
constexpr std::size_t kElevationIndex = 27;
constexpr std::size_t kAttributesIndex = 33;
constexpr std::size_t kAttributePlaces = 8;
constexpr std::size_t kNameIndex = 41;

// Attribute letters of bits 0 to 7.
constexpr std::array<char, kAttributePlaces> kLetterOfBit{'T', 'A', 'M', 'L', 'S', 'F', 'H', 'E'};

std::uint32_t AttributesAt(std::string_view line) {
    const auto letters = Part(line, kAttributesIndex, kAttributePlaces);
    std::uint32_t attributes = 0;
    for (std::size_t bit = 0; bit < kLetterOfBit.size(); ++bit) {
        if (letters.find(kLetterOfBit[bit]) != std::string_view::npos)
            attributes |= 1u << bit;
    }
    return attributes;
}

} // namespace

std::optional<navpoints::Navpoint> ReadLogNavpoint(std::string_view line) {
    const auto id = DigitsAt(line, kIdIndex, 5);
    const auto latitude = SignedAngleAt(line, kLatitudeIndex, 2, 'S');
    const auto longitude = SignedAngleAt(line, kLongitudeIndex, 3, 'W');
    if (!id || !latitude || !longitude)
        return std::nullopt;
    const int elevation = DigitsAt(line, kElevationIndex, 6).value_or(0);
    return navpoints::Navpoint(*id, TrimRight(Part(line, kNameIndex)), *latitude, *longitude,
                               AttributesAt(line), static_cast<float>(elevation), "");
}

} // namespace vantrel
