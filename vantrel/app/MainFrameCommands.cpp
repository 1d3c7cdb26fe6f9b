// The main frame's own command handlers.
#include "AboutBox.h"
#include "MainFrame.h"
#include "PortDetection.h"
#include "commands/CommandIds.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QStatusBar>
#include <QUrl>
#include <QWhatsThis>

namespace vantrel {

void CMainFrame::RegisterCommands() {
    using namespace cmd;
    const auto always = [] { return CommandState{}; };
    commands_.On(kNewWorkspace, [this] { explorer_->PcPane().NewWorkspace(); });
    commands_.On(kAppExit, [this] { close(); });
    commands_.On(
        kFileClose, [this] { area_->closeActiveSubWindow(); },
        [this] { return CommandState{area_->activeSubWindow() != nullptr}; });
    commands_.On(
        kViewToolbar, [this] { mainToolbar_->setVisible(!mainToolbar_->isVisible()); },
        [this] {
            return CommandState{true, mainToolbar_->isVisible()};
        });
    commands_.On(
        kViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); },
        [this] {
            return CommandState{true, statusBar()->isVisible()};
        });
    commands_.On(
        kExplorerBar, [this] { ToggleExplorerBar(); },
        [this] {
            return CommandState{true, explorerDock_->isVisible()};
        });
    commands_.On(
        kCascade, [this] { area_->cascadeSubWindows(); },
        [this] { return CommandState{!area_->subWindowList().isEmpty()}; });
    commands_.On(
        kTile, [this] { area_->tileSubWindows(); },
        [this] { return CommandState{!area_->subWindowList().isEmpty()}; });
    commands_.On(
        kCloseAll, [this] { area_->closeAllSubWindows(); },
        [this] { return CommandState{!area_->subWindowList().isEmpty()}; });
    commands_.On(
        kNextPane, [this] { CyclePane(1); }, always);
    commands_.On(
        kPreviousPane, [this] { CyclePane(-1); }, always);
    commands_.On(
        kContextHelp, [] { QWhatsThis::enterWhatsThisMode(); }, always);
    commands_.On(kWebSupport, [] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QDesktopServices::openUrl(QUrl(QLatin1String(kSupportAddress)));
        QGuiApplication::restoreOverrideCursor();
    });
    commands_.On(kAbout, [this] {
        CAboutBox box(mapPluginFinder_ ? mapPluginFinder_() : std::nullopt, this);
        box.exec();
    });
    // Connect begins with finding the recorder's port; reading the recorder comes later.
    commands_.On(kConnect, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        ProgramSettings settings;
        DetectRecorderPort(settings);
        QGuiApplication::restoreOverrideCursor();
        NotAvailableYet(this, QStringLiteral("Reading the recorder"))();
    });
    // Overlay adds the selected files to the active flight window.
    const auto overlayState = [this] {
        const FlightWindow* flight = ActiveFlightWindow();
        const CKORTreeCtrl& tree = explorer_->ActiveTree();
        const auto items = tree.Selection();
        const bool fileSelected = std::any_of(
            items.begin(), items.end(), [](const auto* item) { return item->Node().IsFile(); });
        return CommandState{flight && !flight->PlaybackRunning() && fileSelected};
    };
    commands_.On(kOverlay, NotAvailableYet(this, QStringLiteral("Overlaying files")), overlayState);
    commands_.On(kOverlayButton, NotAvailableYet(this, QStringLiteral("Overlaying files")),
                 overlayState);
    commands_.On(kDefineAndTransfer, NotAvailableYet(this, QStringLiteral("Defining tasks")),
                 [this] {
                     const FlightWindow* flight = ActiveFlightWindow();
                     return CommandState{!flight || !flight->PlaybackRunning()};
                 });
    RegisterPendingCommands();
}

void CMainFrame::RegisterPendingCommands() {
    using namespace cmd;
    const std::pair<int, const char*> pending[] = {
        {kNewNavpoints, "Making a navpoint file"},
        {kRecorderProperties, "Recorder properties"},
        {kLogManager, "The log manager"},
        {kTaskProperties, "Task properties"},
        {kConvertLogFile, "Converting logs to IGC format"},
        {kOptions, "Program options"},
    };
    for (const auto& [id, what] : pending)
        commands_.On(id, NotAvailableYet(this, QLatin1String(what)));
}

void CMainFrame::ToggleExplorerBar() {
    explorerDock_->setVisible(!explorerDock_->isVisible());
    if (explorerDock_->isVisible())
        explorerDock_->raise();
}

void CMainFrame::CyclePane(int step) {
    QList<QWidget*> panes{&explorer_->RecorderPane(), &explorer_->PcPane()};
    if (QMdiSubWindow* window = area_->activeSubWindow())
        panes << window->widget();
    int at = 0;
    for (int i = 0; i < panes.size(); ++i)
        if (panes[i]->hasFocus() || panes[i]->isAncestorOf(QApplication::focusWidget()))
            at = i;
    const int next = (at + step + static_cast<int>(panes.size())) % static_cast<int>(panes.size());
    panes[next]->setFocus();
}

} // namespace vantrel
