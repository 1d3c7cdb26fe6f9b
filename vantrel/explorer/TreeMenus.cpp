// The pop-up menus of the explorer items and the tree's keys.
#include "KORTreeCtrl.h"
#include "commands/CommandIds.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace vantrel {

std::vector<CKORTreeCtrl::MenuEntry> CKORTreeCtrl::PopupMenuOf(const CExplorerItem& item) const {
    const ExplorerNode& node = item.Node();
    using E = MenuEntry;
    const E cut{QStringLiteral("Cut\tCtrl+X"), cmd::kEditCut, {}};
    const E copy{QStringLiteral("Copy\tCtrl+C"), cmd::kEditCopy, {}};
    const E paste{QStringLiteral("Paste\tCtrl+V"), cmd::kEditPaste, {}};
    const E rename{QStringLiteral("Rename"), cmd::kRename, {}};
    const E remove{QStringLiteral("Delete\tDel"), cmd::kDelete, {}};
    const E properties{QStringLiteral("Properties..."), cmd::kItemProperties, {}};
    const E display{QStringLiteral("Display"), cmd::kDisplay, {}};
    const E overlay{QStringLiteral("Overlay"), cmd::kOverlay, {}};
    const E open{QStringLiteral("Open..."), cmd::kOpenFolder, {}};
    const E newFolder{QStringLiteral("New Folder..."), cmd::kNewFolder, {}};
    const E import{QStringLiteral("Import Files..."), cmd::kImportFiles, {}};
    const E floppy{QStringLiteral("Floppy Disk (A:)"), cmd::kSendToFloppy, {}};
    const E flashCard{QStringLiteral("Flash Card"), cmd::kSendToFlashCard, {}};
    if (node.onRecorder) {
        switch (node.kind) {
        case NodeKind::RecorderRoot:
            if (!connected_)
                return {E{QStringLiteral("Connect..."), cmd::kConnect, {}}};
            return {E{QStringLiteral("Refresh"), cmd::kRefresh, {}},
                    E{QStringLiteral("Properties..."), cmd::kRecorderProperties, {}}};
        case NodeKind::FlightLog:
            return {E{QStringLiteral("Transfer to PC..."), cmd::kTransferToPc, {}}};
        case NodeKind::Navpoints:
            return {E{QStringLiteral("Transfer To PC..."), cmd::kTransferToPc, {}}};
        case NodeKind::RecorderTask:
        case NodeKind::RecorderTasks:
            return {E{QStringLiteral("Properties..."), cmd::kTaskProperties, {}}};
        default:
            return {};
        }
    }
    switch (node.kind) {
    case NodeKind::FlightLog:
        return {E{QStringLiteral("Send to Floppy (A:)"), cmd::kSendToFloppy, {}},
                display,
                overlay,
                E{QStringLiteral("Edit..."), cmd::kEditInTextEditor, {}},
                cut,
                copy,
                remove,
                E{QStringLiteral("Analyze Flight..."), cmd::kAnalyzeFlight, {}},
                E{QStringLiteral("Validate Security..."), cmd::kVerifySecurity, {}},
                E{QStringLiteral("Convert Log to IGC Format"), cmd::kConvertLog, {}},
                E{QStringLiteral("View Navpoints in Log..."), cmd::kViewLogNavpoints, {}},
                properties};
    case NodeKind::Navpoints:
        return {
            E{QStringLiteral("Send To"),
              0,
              {floppy, flashCard, E{QStringLiteral("Recorder..."), cmd::kTransferToRecorder, {}}}},
            display,
            overlay,
            E{QStringLiteral("Edit..."), cmd::kEdit, {}},
            cut,
            copy,
            rename,
            remove,
            properties};
    case NodeKind::Airspace:
        return {E{QStringLiteral("Send To"), 0, {floppy, flashCard}},
                display,
                overlay,
                E{QStringLiteral("Edit..."), cmd::kEditInTextEditor, {}},
                cut,
                copy,
                rename,
                remove,
                properties};
    case NodeKind::Workspace:
        return {E{QStringLiteral("New Workspace..."), cmd::kNewWorkspace, {}},
                E{QStringLiteral("Change Worspace..."), cmd::kChangeWorkspace, {}},
                open,
                newFolder,
                import,
                paste,
                rename,
                remove,
                properties};
    case NodeKind::Folder:
        return {E{QStringLiteral("Set As Default"),
                  0,
                  {E{QStringLiteral("Navpoint Folder"), cmd::kSetNavpointFolder, {}},
                   E{QStringLiteral("Flight Log Folder"), cmd::kSetFlightLogFolder, {}}}},
                open,
                newFolder,
                import,
                paste,
                rename,
                remove,
                properties};
    default:
        return {};
    }
}

namespace {

void AddEntries(QMenu& menu, const std::vector<CKORTreeCtrl::MenuEntry>& entries,
                const std::function<CommandState(int)>& state,
                const std::function<void(int)>& send) {
    for (const auto& entry : entries) {
        if (!entry.submenu.empty()) {
            AddEntries(*menu.addMenu(entry.text), entry.submenu, state, send);
            continue;
        }
        QAction* action = menu.addAction(entry.text);
        action->setData(entry.id);
        const CommandState shown = state(entry.id);
        action->setEnabled(shown.enabled);
        const int id = entry.id;
        QObject::connect(action, &QAction::triggered, &menu, [send, id] { send(id); });
    }
}

} // namespace

QMenu* CKORTreeCtrl::CreatePopupMenu(const CExplorerItem& item) {
    const auto entries = PopupMenuOf(item);
    if (entries.empty())
        return nullptr;
    auto* menu = new QMenu(this);
    const auto state = [this](int id) {
        if (context_.commandState)
            return context_.commandState(id);
        return commands_.State(id).value_or(CommandState{false});
    };
    // The command runs once the menu has closed, as a menu command does.
    const auto send = [this](int id) {
        QMetaObject::invokeMethod(
            this, [this, id] { Send(id); }, Qt::QueuedConnection);
    };
    AddEntries(*menu, entries, state, send);
    return menu;
}

bool CKORTreeCtrl::HitsItemContent(const CExplorerItem* item, QPoint point) const {
    const QRect row = visualItemRect(item);
    const int contentWidth =
        iconSize().width() + 8 + fontMetrics().horizontalAdvance(item->text(0));
    return row.contains(point) && point.x() <= row.left() + contentWidth;
}

void CKORTreeCtrl::contextMenuEvent(QContextMenuEvent* event) {
    CExplorerItem* item = nullptr;
    if (event->reason() == QContextMenuEvent::Mouse) {
        item = static_cast<CExplorerItem*>(itemAt(event->pos()));
        if (!item || !HitsItemContent(item, event->pos()))
            return;
    } else {
        item = Caret();
        if (!item)
            return;
    }
    if (!item->isSelected())
        SelectOnly(item);
    setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    if (context_.treeActivated)
        context_.treeActivated(this);
    QMenu* menu = CreatePopupMenu(*item);
    if (!menu)
        return;
    const QPoint at = event->reason() == QContextMenuEvent::Mouse
                          ? event->globalPos()
                          : viewport()->mapToGlobal(visualItemRect(item).bottomLeft());
    menu->exec(at);
    delete menu;
}

void CKORTreeCtrl::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        const CExplorerItem* caret = Caret();
        if (caret && caret->Node().kind == NodeKind::RecorderRoot)
            Send(cmd::kConnect);
        else if (caret && caret->Node().IsPcItem())
            Send(cmd::kDisplay);
        return;
    }
    if (state() != QAbstractItemView::EditingState && event->key() == Qt::Key_Delete &&
        event->modifiers() == Qt::NoModifier) {
        Send(cmd::kDelete);
        return;
    }
    CMultiTree::keyPressEvent(event);
}

} // namespace vantrel
