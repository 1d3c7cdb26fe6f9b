#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Show commands and flags of a saved window placement.
inline constexpr unsigned kShowNormal = 1;
inline constexpr unsigned kShowMinimized = 2;
inline constexpr unsigned kShowMaximized = 3;
inline constexpr unsigned kRestoreToMaximized = 2;

// The main window's placement as "WindowPos" keeps it: flags, show command, minimised x and y,
// maximised x and y, and the normal rectangle's left, top, right and bottom.
struct WindowPlacement {
    unsigned flags = 0;
    unsigned showCommand = kShowNormal;
    int minimizedX = -1;
    int minimizedY = -1;
    int maximizedX = -1;
    int maximizedY = -1;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
std::string FormatPlacement(const WindowPlacement& placement);

// The placement of a text of exactly ten whole numbers separated by ","; none otherwise (an
// empty text, fewer or more numbers, anything else in it, a number out of range).
std::optional<WindowPlacement> ParsePlacement(std::string_view text);

// Whether a placement's normal rectangle can be used: a positive size of at most 16384 pixels
// each way.
bool HasUsableRectangle(const WindowPlacement& placement);

// How to show a restored window started with `startCommand`: the saved show command when the
// program was started normally and the saved one is not minimised, else the start command.
unsigned RestoredShowCommand(unsigned startCommand, const WindowPlacement& placement);

} // namespace vantrel
