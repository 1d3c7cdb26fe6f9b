#include "CommandTable.h"

#include "commands/CommandIds.h"

#include <map>

namespace vantrel {
namespace {

MenuItem Item(const char* text, int id) {
    return MenuItem{QString::fromUtf8(text), id, {}};
}
MenuItem Separator() {
    return MenuItem{};
}
MenuItem Submenu(const char* text, std::vector<MenuItem> items) {
    return MenuItem{QString::fromUtf8(text), 0, std::move(items)};
}

std::vector<MenuItem> BuildMainMenu() {
    using namespace cmd;
    return {
        Submenu("&File",
                {Submenu("&New", {Item("&Workspace...", kNewWorkspace), Item("&Folder", kNewFolder),
                                  Item("&Navpoints...", kNewNavpoints)}),
                 Item("&Open...\tCtrl+O", kFileOpen), Item("&Close", kFileClose), Separator(),
                 Item("Recent File", kRecentFile), Separator(), Item("E&xit", kAppExit)}),
        Submenu("&Edit", {Item("Cu&t\tCtrl+X", kEditCut), Item("&Copy\tCtrl+C", kEditCopy),
                          Item("&Paste\tCtrl+V", kEditPaste), Separator(),
                          Item("&Delete\tDel", kDelete), Item("Rename", kRename)}),
        Submenu("&View",
                {Item("&Toolbar", kViewToolbar), Item("&Status Bar", kViewStatusBar),
                 Item("&Explorer Bar", kExplorerBar), Separator(),
                 Submenu("R&otate",
                         {Item("Rotate &Down", kRotateDown), Item("Rotate &Left", kRotateLeft),
                          Item("Rotate &Right", kRotateRight), Item("Rotate &Up", kRotateUp)}),
                 Submenu("&Zoom", {Item("&Zoom In", kZoomIn), Item("Zoom &Out", kZoomOut),
                                   Item("&Draw Zoom Window", kDrawZoomWindow)}),
                 Submenu("&Animation",
                         {Item("&Start", kAnimationStart), Item("S&top", kAnimationStop),
                          Item("S&lower", kAnimationSlower), Item("&Faster", kAnimationFaster)}),
                 Submenu("&Barogram", {Item("&Engine Noise Level", kEngineNoiseLevel),
                                       Item("&Pressure Altitude", kPressureAltitude),
                                       Item("&GPS Altitude", kGpsAltitude)}),
                 Item("&Map Display", kMapDisplay), Item("&Reset View", kResetView),
                 Item("&Next Task Point", kNextTaskPoint),
                 Item("Measurment &Cursor", kMeasurementCursor)}),
        Submenu("&Recorder",
                {Item("&Connect...", kConnect), Item("&Properties...", kRecorderProperties),
                 Item("Log Manager...", kLogManager)}),
        Submenu("&Actions",
                {Item("&Display", kDisplay), Item("&Overlay", kOverlay), Item("&Edit...", kEdit),
                 Separator(), Item("&Transfer to PC", kTransferToPc),
                 Item("Transfer to &Recorder", kTransferToRecorder), Separator(),
                 Item("&Verify Flight Log Security...", kVerifySecurity),
                 Item("&Analyze Flight...", kAnalyzeFlight), Separator(),
                 Item("E&mail Flight...", kEmailFlight)}),
        Submenu("Ta&sks", {Item("Define and &Transfer...", kDefineAndTransfer),
                           Item("&Define and Overlay...", kDefineAndOverlay)}),
        Submenu("&Tools",
                {Item("&Convert Log to IGC Format...", kConvertLogFile),
                 Item("&Options...", kOptions), Item("&Display Options...", kDisplayOptions)}),
        Submenu("&Window",
                {Item("&Cascade", kCascade), Item("&Tile", kTile), Item("Close &All", kCloseAll)}),
        Submenu("&Help", {Item("&Help Topics", kHelpTopics), Item("Web Support", kWebSupport),
                          Separator(), Item("&About Velmora Skyline Explorer...", kAbout)}),
    };
}

} // namespace

const std::vector<MenuItem>& MainMenu() {
    static const std::vector<MenuItem> menu = BuildMainMenu();
    return menu;
}

QList<QKeySequence> Accelerators(int id) {
    using namespace cmd;
    switch (id) {
    case kFileNew:
        return {QKeySequence(Qt::CTRL | Qt::Key_N)};
    case kFileOpen:
        return {QKeySequence(Qt::CTRL | Qt::Key_O)};
    case kFileSave:
        return {QKeySequence(Qt::CTRL | Qt::Key_S)};
    case kFilePrint:
        return {QKeySequence(Qt::CTRL | Qt::Key_P)};
    case kEditUndo:
        return {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)};
    case kEditCut:
        return {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)};
    case kEditCopy:
        return {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
    case kEditPaste:
        return {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)};
    case kNextPane:
        return {QKeySequence(Qt::Key_F6)};
    case kPreviousPane:
        return {QKeySequence(Qt::SHIFT | Qt::Key_F6)};
    case kHelpTopics:
        return {QKeySequence(Qt::Key_F1)};
    case kContextHelp:
        return {QKeySequence(Qt::SHIFT | Qt::Key_F1)};
    default:
        return {};
    }
}

std::vector<int> AcceleratorOnlyCommands() {
    using namespace cmd;
    return {kFileNew, kFileSave, kFilePrint, kEditUndo, kNextPane, kPreviousPane, kContextHelp};
}

QString CommandName(int id) {
    using namespace cmd;
    static const std::map<int, const char*> kNames{
        {kFileOpen, "Open"},
        {kOverlayButton, "Overlay"},
        {kExplorerBar, "Explorer Bar"},
        {kEmailFlight, "Email Flight"},
        {kAnimationStop, "Stop"},
        {kAnimationStart, "Start"},
        {kAnimationFaster, "Faster"},
        {kAnimationSlower, "Slower"},
        {kRotateLeft, "Rotate Left"},
        {kRotateUp, "Rotate Up"},
        {kRotateDown, "Rotate Down"},
        {kRotateRight, "Rotate Right"},
        {kDrawZoomWindow, "Draw Zoom Window"},
        {kZoomIn, "Zoom In"},
        {kZoomOut, "Zoom Out"},
        {kResetView, "Reset View"},
        {kMapDisplay, "Map Display"},
        {kNextTaskPoint, "Next Task Point"},
        {kMeasurementCursor, "Measurement Cursor"},
    };
    const auto found = kNames.find(id);
    return found == kNames.end() ? QString() : QLatin1String(found->second);
}

} // namespace vantrel
