#include "WindowPlacement.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace vantrel {
namespace {

constexpr int kLargestSide = 16384;

} // namespace

std::string FormatPlacement(const WindowPlacement& p) {
    char text[160];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCommand,
                  p.minimizedX, p.minimizedY, p.maximizedX, p.maximizedY, p.left, p.top, p.right,
                  p.bottom);
    return text;
}

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
    std::array<long long, 10> numbers{};
    std::size_t count = 0;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (at < end && count < numbers.size()) {
        const auto [next, error] = std::from_chars(at, end, numbers[count]);
        if (error != std::errc())
            return std::nullopt;
        ++count;
        at = next;
        if (at == end)
            break;
        if (*at != ',')
            return std::nullopt;
        ++at;
        if (at == end)
            return std::nullopt;
    }
    if (count != numbers.size() || at != end)
        return std::nullopt;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const long long lowest = i < 2 ? 0 : -2147483648LL;
        const long long highest = i < 2 ? 4294967295LL : 2147483647LL;
        if (numbers[i] < lowest || numbers[i] > highest)
            return std::nullopt;
    }
    WindowPlacement p;
    p.flags = static_cast<unsigned>(numbers[0]);
    p.showCommand = static_cast<unsigned>(numbers[1]);
    p.minimizedX = static_cast<int>(numbers[2]);
    p.minimizedY = static_cast<int>(numbers[3]);
    p.maximizedX = static_cast<int>(numbers[4]);
    p.maximizedY = static_cast<int>(numbers[5]);
    p.left = static_cast<int>(numbers[6]);
    p.top = static_cast<int>(numbers[7]);
    p.right = static_cast<int>(numbers[8]);
    p.bottom = static_cast<int>(numbers[9]);
    return p;
}

bool HasUsableRectangle(const WindowPlacement& p) {
    const long long width = static_cast<long long>(p.right) - p.left;
    const long long height = static_cast<long long>(p.bottom) - p.top;
    return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
}

unsigned RestoredShowCommand(unsigned startCommand, const WindowPlacement& placement) {
    if (startCommand == kShowNormal && placement.showCommand != kShowMinimized)
        return placement.showCommand;
    return startCommand;
}

} // namespace vantrel
