#pragma once

#include "CommandTable.h"
#include "DocumentTemplate.h"
#include "MapPlugin.h"
#include "WindowPlacement.h"
#include "commands/CommandMap.h"
#include "controlbar/SizingControlBar.h"
#include "explorer/ExplorerBar.h"

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>
#include <map>

namespace vantrel {

// The address "Web Support" opens.
inline constexpr auto kSupportAddress = "https://velmora-avionics.example/support/skyline";

// The main window: the menu, the three toolbars, the status bar, the flight windows' area, the
// explorer bar ("Tree Bar") and the analysis results bar. It routes every command to the
// window that handles it: the active flight window, then the explorer tree with the focus,
// then its own handlers, then the application's.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // `appCommands` are the application's own handlers (open, recent files, About box, ...).
    explicit CMainFrame(CommandMap& appCommands, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The frame's own handlers: a later version takes a command over with On.
    CommandMap& Commands() { return commands_; }
    // Runs a command through the routing; false when no window handles it.
    bool ExecuteCommand(int id);
    // What a command's menu item and button show; disabled when no window handles it.
    CommandState CommandStateOf(int id);
    // Brings every menu item and button up to date.
    void UpdateCommands();
    QAction* Action(int id) const;

    QMdiArea& DocumentArea() { return *area_; }
    CExplorerBar& Explorer() { return *explorer_; }
    CSizingControlBar& ExplorerDock() { return *explorerDock_; }
    CSizingControlBar& ResultsBar() { return *resultsBar_; }
    QTreeWidget& ResultsList() { return *resultsList_; }
    QToolBar& MainToolbar() { return *mainToolbar_; }
    QToolBar& AnimationToolbar() { return *animationToolbar_; }
    QToolBar& ViewToolbar() { return *viewToolbar_; }
    QLabel& MessagePane() { return *messagePane_; }
    int MainToolbarResource() const { return mainToolbarResource_; }

    // Called when a flight window becomes active (true) or the last one is deactivated
    // (false): swaps the main toolbar and shows or hides the animation and view toolbars.
    void OnFlightWindowActivated(bool active);

    // The placement as "WindowPos" keeps it, and its restoring: false when the saved text is
    // missing, malformed or unusable (the window keeps its default placement).
    WindowPlacement Placement() const;
    bool RestorePlacement();
    // Shows the window as the restored placement says.
    void ShowRestored();

    // Where the map control is looked for (the About box asks it).
    void SetMapPluginFinder(MapPluginFinder finder) { mapPluginFinder_ = std::move(finder); }
    const MapPluginFinder& MapPluginLookup() const { return mapPluginFinder_; }

    // Saves placement, toolbar and bar states and the workspaces; done once by the close path.
    void SaveState();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Files and explorer items dropped on the frame are opened as documents.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void FillMenu(QMenu& menu, const std::vector<MenuItem>& items);
    void FillRecentFiles(QMenu& menu);
    void CreateToolbars();
    void LoadToolbar(QToolBar& toolbar, int resource);
    void CreateStatusBar();
    void CreateBars();
    void RegisterCommands();
    void RegisterPendingCommands();
    QAction* MakeAction(int id, const QString& text);
    void OnSubWindowActivated(QMdiSubWindow* window);
    CommandTarget* ActiveFlightTarget() const;
    FlightWindow* ActiveFlightWindow() const;
    void CyclePane(int step);
    void ToggleExplorerBar();

    CommandMap& appCommands_;
    CommandMap commands_;
    std::map<int, QAction*> actions_;
    QMdiArea* area_;
    QToolBar* mainToolbar_ = nullptr;
    QToolBar* animationToolbar_ = nullptr;
    QToolBar* viewToolbar_ = nullptr;
    int mainToolbarResource_ = 0;
    QLabel* messagePane_ = nullptr;
    CSizingControlBar* explorerDock_ = nullptr;
    CExplorerBar* explorer_ = nullptr;
    CSizingControlBar* resultsBar_ = nullptr;
    QTreeWidget* resultsList_ = nullptr;
    MapPluginFinder mapPluginFinder_;
    bool flightWindowActive_ = false;
    bool stateSaved_ = false;
    std::optional<WindowPlacement> restored_;
};

} // namespace vantrel
