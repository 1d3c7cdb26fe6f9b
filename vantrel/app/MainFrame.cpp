#include "MainFrame.h"

#include "CommandTable.h"
#include "RecentFiles.h"
#include "StatusIndicators.h"
#include "Toolbars.h"
#include "commands/CommandIds.h"
#include "explorer/ExplorerMime.h"
#include "explorer/PcItems.h"
#include "icons/IconSet.h"
#include "korlink/korlink.h"
#include "settings/ProgramSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>

namespace vantrel {
namespace {

constexpr QSize kDefaultSize{1024, 720};
constexpr int kDefaultExplorerWidth = 360;

// Commands whose menu items carry a check mark.
bool IsCheckable(int id) {
    using namespace cmd;
    return id == kViewToolbar || id == kViewStatusBar || id == kExplorerBar || id == kMapDisplay ||
           id == kEngineNoiseLevel || id == kPressureAltitude || id == kGpsAltitude;
}

QRect NormalRectangle(const WindowPlacement& p) {
    return QRect(QPoint(p.left, p.top), QPoint(p.right - 1, p.bottom - 1));
}

} // namespace

CMainFrame::CMainFrame(CommandMap& appCommands, QWidget* parent)
    : QMainWindow(parent), appCommands_(appCommands), area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QLatin1String(kProductName));
    setWindowIcon(ApplicationIcon());
    setCentralWidget(area_);
    setAcceptDrops(true);
    area_->setObjectName(QStringLiteral("DocumentArea"));
    resize(kDefaultSize);
    RegisterCommands();
    CreateMenus();
    CreateToolbars();
    CreateBars();
    CreateStatusBar();
    connect(area_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
    connect(&explorer_->PcPane(), &CKORTreeCtrl::SelectionChangedForCommands, this,
            &CMainFrame::UpdateCommands);
    connect(&explorer_->RecorderPane(), &CKORTreeCtrl::SelectionChangedForCommands, this,
            &CMainFrame::UpdateCommands);
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    // The bars and trees go after this part of the frame: they must not ask it for anything.
    disconnect(explorerDock_, nullptr, this, nullptr);
    disconnect(&explorer_->PcPane(), nullptr, this, nullptr);
    disconnect(&explorer_->RecorderPane(), nullptr, this, nullptr);
    disconnect(area_, nullptr, this, nullptr);
    explorer_->Context().sendCommand = nullptr;
    explorer_->Context().commandState = nullptr;
}

QAction* CMainFrame::Action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* CMainFrame::MakeAction(int id, const QString& text) {
    if (QAction* existing = Action(id))
        return existing;
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setCheckable(IsCheckable(id));
    action->setShortcuts(Accelerators(id));
    connect(action, &QAction::triggered, this, [this, id] {
        ExecuteCommand(id);
        UpdateCommands();
    });
    addAction(action);
    actions_[id] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    for (const MenuItem& top : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(top.text);
        FillMenu(*menu, top.submenu);
    }
    for (const int id : AcceleratorOnlyCommands())
        MakeAction(id, QString());
}

void CMainFrame::FillMenu(QMenu& menu, const std::vector<MenuItem>& items) {
    connect(&menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    for (const MenuItem& item : items) {
        if (item.IsSeparator()) {
            menu.addSeparator();
        } else if (item.IsSubmenu()) {
            FillMenu(*menu.addMenu(item.text), item.submenu);
        } else if (item.id == cmd::kRecentFile) {
            QAction* placeholder = MakeAction(cmd::kRecentFile, item.text);
            menu.addAction(placeholder);
            connect(&menu, &QMenu::aboutToShow, this, [this, &menu] { FillRecentFiles(menu); });
        } else {
            menu.addAction(MakeAction(item.id, item.text));
        }
    }
}

void CMainFrame::FillRecentFiles(QMenu& menu) {
    // The entries stand where "Recent File" stands; with no recent files it shows, disabled.
    QAction* placeholder = Action(cmd::kRecentFile);
    for (QAction* action : menu.actions())
        if (action->property("recentFile").isValid())
            menu.removeAction(action);
    const QStringList files = RecentFiles().Files();
    placeholder->setVisible(files.isEmpty());
    placeholder->setEnabled(false);
    for (int n = files.size() - 1; n >= 0; --n) {
        auto* action = new QAction(RecentFileMenuText(n, files[n]), &menu);
        action->setProperty("recentFile", n);
        const int id = cmd::kRecentFile + n;
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        menu.insertAction(placeholder, action);
    }
}

void CMainFrame::CreateToolbars() {
    mainToolbar_ = addToolBar(QStringLiteral("Main"));
    mainToolbar_->setObjectName(QStringLiteral("MainToolbar"));
    animationToolbar_ = addToolBar(QStringLiteral("Animation"));
    animationToolbar_->setObjectName(QStringLiteral("AnimationToolbar"));
    viewToolbar_ = addToolBar(QStringLiteral("View"));
    viewToolbar_->setObjectName(QStringLiteral("ViewToolbar"));
    for (QToolBar* toolbar : {mainToolbar_, animationToolbar_, viewToolbar_}) {
        toolbar->setIconSize(kImageSize);
        toolbar->setAllowedAreas(Qt::AllToolBarAreas);
    }
    LoadToolbar(*mainToolbar_, kMainToolbarResource);
    LoadToolbar(*animationToolbar_, kAnimationToolbarResource);
    LoadToolbar(*viewToolbar_, kViewToolbarResource);
    animationToolbar_->hide();
    viewToolbar_->hide();
}

void CMainFrame::LoadToolbar(QToolBar& toolbar, int resource) {
    toolbar.clear();
    for (const ToolbarButton& button : ToolbarButtons(resource)) {
        if (button.id == 0) {
            toolbar.addSeparator();
            continue;
        }
        QAction* action = MakeAction(button.id, CommandName(button.id));
        if (action->icon().isNull())
            action->setIcon(ImageIcon(QLatin1String(button.image)));
        action->setToolTip(CommandName(button.id));
        toolbar.addAction(action);
    }
    if (&toolbar == mainToolbar_)
        mainToolbarResource_ = resource;
}

void CMainFrame::CreateStatusBar() {
    messagePane_ = new QLabel(QStringLiteral("For Help, press F1"), this);
    messagePane_->setObjectName(QStringLiteral("MessagePane"));
    messagePane_->setMinimumWidth(200);
    statusBar()->addWidget(messagePane_, 1);
    AddLockIndicators(*statusBar());
}

void CMainFrame::CreateBars() {
    explorerDock_ = new CSizingControlBar(QStringLiteral("Tree Bar"),
                                          QLatin1String(kTreeBarStateSection), this);
    explorer_ = new CExplorerBar(explorerDock_);
    explorerDock_->setWidget(explorer_);
    explorerDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    resultsBar_ = new CSizingControlBar(QStringLiteral("Analysis Results"),
                                        QLatin1String(kResultsBarStateSection), this);
    resultsList_ = new QTreeWidget(resultsBar_);
    resultsList_->setObjectName(QStringLiteral("ResultsList"));
    resultsList_->setRootIsDecorated(false);
    resultsList_->setHeaderHidden(true);
    resultsBar_->setWidget(resultsList_);
    resultsBar_->setAllowedAreas(Qt::LeftDockWidgetArea);

    explorerDock_->DockAt(Qt::LeftDockWidgetArea);
    explorerDock_->SetDefaultBreadth(kDefaultExplorerWidth);
    explorerDock_->ApplyBreadth();
    {
        QSettings settings{QLatin1String(kCompanyKey), QLatin1String(kProductName)};
        explorerDock_->LoadState(settings);
        explorer_->SetDivider(
            settings
                .value(QLatin1String(kTreeBarStateSection) + QStringLiteral("/Divider"),
                       CExplorerBar::kInitialDivider)
                .toInt());
        resultsBar_->DockAt(Qt::LeftDockWidgetArea);
        resultsBar_->LoadState(settings);
    }
    // The results bar always starts docked at the left and hidden; analysis shows it.
    if (resultsBar_->isFloating())
        resultsBar_->setFloating(false);
    resultsBar_->hide();
    connect(explorerDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommands);

    ExplorerContext& context = explorer_->Context();
    context.sendCommand = [this](int id) {
        ExecuteCommand(id);
        UpdateCommands();
    };
    context.commandState = [this](int id) { return CommandStateOf(id); };
    explorer_->Build();
}

namespace {

// The active flight window as an interface its frame or its view implements; null when there
// is no flight window or it does not implement it.
template <typename Interface> Interface* ActiveWindowAs(const QMdiArea& area) {
    QMdiSubWindow* window = area.activeSubWindow();
    if (!window)
        return nullptr;
    if (auto* frame = dynamic_cast<Interface*>(window))
        return frame;
    return dynamic_cast<Interface*>(window->widget());
}

} // namespace

CommandTarget* CMainFrame::ActiveFlightTarget() const {
    return ActiveWindowAs<CommandTarget>(*area_);
}

FlightWindow* CMainFrame::ActiveFlightWindow() const {
    return ActiveWindowAs<FlightWindow>(*area_);
}

bool CMainFrame::ExecuteCommand(int id) {
    if (CommandTarget* flight = ActiveFlightTarget(); flight && flight->Commands().Execute(id))
        return true;
    if (explorer_->ActiveTree().Commands().Execute(id))
        return true;
    return commands_.Execute(id) || appCommands_.Execute(id);
}

CommandState CMainFrame::CommandStateOf(int id) {
    if (CommandTarget* flight = ActiveFlightTarget())
        if (const auto state = flight->Commands().State(id))
            return *state;
    if (const auto state = explorer_->ActiveTree().Commands().State(id))
        return *state;
    if (const auto state = commands_.State(id))
        return *state;
    if (const auto state = appCommands_.State(id))
        return *state;
    return CommandState{false};
}

void CMainFrame::UpdateCommands() {
    for (const auto& [id, action] : actions_) {
        const CommandState state = CommandStateOf(id);
        action->setEnabled(state.enabled);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    if (window)
        OnFlightWindowActivated(true);
    else if (area_->subWindowList().isEmpty())
        OnFlightWindowActivated(false);
    UpdateCommands();
}

void CMainFrame::OnFlightWindowActivated(bool active) {
    if (active == flightWindowActive_)
        return;
    flightWindowActive_ = active;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    LoadToolbar(*mainToolbar_, active ? kFlightMainToolbarResource : kMainToolbarResource);
    animationToolbar_->setVisible(active);
    viewToolbar_->setVisible(active);
    QGuiApplication::restoreOverrideCursor();
}

WindowPlacement CMainFrame::Placement() const {
    WindowPlacement placement;
    placement.flags = isMaximized() ? kRestoreToMaximized : 0;
    placement.showCommand = isMinimized()   ? kShowMinimized
                            : isMaximized() ? kShowMaximized
                                            : kShowNormal;
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.right() + 1;
    placement.bottom = normal.bottom() + 1;
    return placement;
}

bool CMainFrame::RestorePlacement() {
    const ProgramSettings settings;
    const QString text = settings.Text(QLatin1String(key::kWindowPos), QString());
    const auto placement = ParsePlacement(text.toStdString());
    if (!placement || !HasUsableRectangle(*placement))
        return false;
    QRect rect = NormalRectangle(*placement);
    // A window saved on a screen that is gone comes back on the primary one.
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(rect);
    if (!onScreen)
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            rect.moveTopLeft(primary->availableGeometry().topLeft());
    setGeometry(rect);
    restored_ = placement;
    return true;
}

void CMainFrame::ShowRestored() {
    const unsigned command = restored_ ? RestoredShowCommand(kShowNormal, *restored_) : kShowNormal;
    if (command == kShowMaximized)
        showMaximized();
    else
        show();
    explorerDock_->ApplyBreadth();
}

void CMainFrame::SaveState() {
    if (stateSaved_)
        return;
    stateSaved_ = true;
    {
        ProgramSettings settings;
        settings.SetText(QLatin1String(key::kWindowPos),
                         QString::fromStdString(FormatPlacement(Placement())));
    }
    QSettings settings{QLatin1String(kCompanyKey), QLatin1String(kProductName)};
    settings.beginGroup(QLatin1String(kToolbarsSection));
    settings.setValue(QStringLiteral("State"), saveState());
    settings.endGroup();
    explorerDock_->SaveState(settings);
    settings.setValue(QLatin1String(kTreeBarStateSection) + QStringLiteral("/Divider"),
                      explorer_->Divider());
    resultsBar_->SaveState(settings);
    explorer_->PcPane().SaveWorkspaces();
    if (explorer_->RecorderPane().Connected())
        KORGPSOff();
}

namespace {

// The files a drop on the frame carries: the explorer's PC files or a file manager's files.
QStringList DroppedFiles(const QMimeData& data) {
    QStringList files;
    if (const auto nodes = DroppedNodes(data)) {
        for (const auto& node : *nodes)
            if (node.IsPcItem() && node.IsFile())
                files << QString::fromStdString(node.path);
        return files;
    }
    for (const QString& path : FileListPaths(data))
        if (KindOfFileName(QFileInfo(path).fileName().toStdString()))
            files << path;
    return files;
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFiles(*event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedFiles(*event->mimeData());
    ExplorerContext& context = explorer_->Context();
    if (files.isEmpty() || !context.openDocument) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    for (const QString& file : files)
        context.openDocument(file);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SaveState();
    area_->closeAllSubWindows();
    event->accept();
}

} // namespace vantrel
