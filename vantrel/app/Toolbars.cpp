#include "Toolbars.h"

#include "commands/CommandIds.h"

namespace vantrel {

const std::vector<ToolbarButton>& ToolbarButtons(int resource) {
    using namespace cmd;
    static const std::vector<ToolbarButton> kMain{{kFileOpen, "open"},
                                                  {kExplorerBar, "explorer-bar"}};
    static const std::vector<ToolbarButton> kFlightMain{{kFileOpen, "open"},
                                                        {kOverlayButton, "overlay"},
                                                        {kExplorerBar, "explorer-bar"},
                                                        {},
                                                        {kEmailFlight, "email"}};
    static const std::vector<ToolbarButton> kAnimation{{kAnimationStop, "stop"},
                                                       {kAnimationStart, "start"},
                                                       {kAnimationFaster, "faster"},
                                                       {kAnimationSlower, "slower"}};
    static const std::vector<ToolbarButton> kView{{kRotateLeft, "rotate-left"},
                                                  {kRotateUp, "rotate-up"},
                                                  {kRotateDown, "rotate-down"},
                                                  {kRotateRight, "rotate-right"},
                                                  {},
                                                  {kDrawZoomWindow, "zoom-window"},
                                                  {kZoomIn, "zoom-in"},
                                                  {kZoomOut, "zoom-out"},
                                                  {},
                                                  {kResetView, "reset-view"},
                                                  {kMapDisplay, "map-display"},
                                                  {kNextTaskPoint, "next-task-point"},
                                                  {kMeasurementCursor, "measure"}};
    static const std::vector<ToolbarButton> kNone;
    switch (resource) {
    case kMainToolbarResource:
        return kMain;
    case kFlightMainToolbarResource:
        return kFlightMain;
    case kAnimationToolbarResource:
        return kAnimation;
    case kViewToolbarResource:
        return kView;
    default:
        return kNone;
    }
}

} // namespace vantrel
