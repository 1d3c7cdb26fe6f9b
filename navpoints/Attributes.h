#pragma once

#include <cstdint>
#include <string>

namespace navpoints {

// Attribute bits of a navpoint.
namespace attribute {
constexpr std::uint32_t kTurnpoint = 1;
constexpr std::uint32_t kAirfield = 2;
constexpr std::uint32_t kM = 4;
constexpr std::uint32_t kLandable = 8;
constexpr std::uint32_t kStart = 16;
constexpr std::uint32_t kFinish = 32;
constexpr std::uint32_t kHome = 64;
constexpr std::uint32_t kE = 128;
constexpr std::uint32_t kW = 512;
constexpr std::uint32_t kR = 1024;
// The control points: turnpoint, start or finish.
constexpr std::uint32_t kControlPoint = kTurnpoint | kStart | kFinish;
} // namespace attribute

// The width of the attribute letter field everywhere navpoints are written.
constexpr int kAttributeWidth = 8;

// Letters of the set bits among bits 0 .. width - 1, in ascending bit order. Padded, the field
// is `width` characters: the letters from its start, then blanks.
std::string AttributeLetters(std::uint32_t attributes, int width = kAttributeWidth,
                             bool padded = false);

// The attribute bits named anywhere in a text by the letters that AttributeLetters writes at
// the width used everywhere (T, A, M, L, S, F, H, E); other characters are ignored.
std::uint32_t AttributesFromLetters(std::string_view letters);

// The attribute column of a navpoint list: " " then "H ", "S ", "F ", "A ", "T ", "L " for each
// of those bits that is set.
std::string AttributeColumnText(std::uint32_t attributes);

} // namespace navpoints
