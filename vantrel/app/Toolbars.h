#pragma once

#include <QString>
#include <vector>

namespace vantrel {

// The toolbars by resource number.
inline constexpr int kMainToolbarResource = 126;       // no flight window active
inline constexpr int kFlightMainToolbarResource = 151; // a flight window active
inline constexpr int kAnimationToolbarResource = 140;
inline constexpr int kViewToolbarResource = 141;

// A toolbar button: its command and the drawing of its image (0: a separator).
struct ToolbarButton {
    int id = 0;
    const char* image = nullptr;
};

// The buttons of a toolbar resource, in order; empty for an unknown number.
const std::vector<ToolbarButton>& ToolbarButtons(int resource);

} // namespace vantrel
