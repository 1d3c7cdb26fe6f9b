// The item commands of an explorer tree: workspaces, rename, new folder, delete and display.
#include "FileTransfer.h"
#include "KORTreeCtrl.h"
#include "PcItems.h"
#include "RenameRules.h"
#include "commands/CommandIds.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

namespace vantrel {
namespace {

constexpr auto kCaption = "Velmora Skyline Explorer";

// Shows the wait cursor while it lives.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool FolderIsEmpty(const QString& path) {
    return QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                              QDir::System);
}

} // namespace

void CKORTreeCtrl::RegisterCommands() {
    const auto caretIs = [this](auto test) {
        return [this, test] {
            const CExplorerItem* caret = Caret();
            return CommandState{caret != nullptr && test(caret->Node())};
        };
    };
    const auto pcFolder = [](const ExplorerNode& node) {
        return node.IsPcItem() && node.IsFolder();
    };
    const auto pcFile = [](const ExplorerNode& node) { return node.IsPcItem() && node.IsFile(); };

    if (!IsRecorderPane())
        commands_.On(cmd::kNewWorkspace, [this] { NewWorkspace(); });
    commands_.On(
        cmd::kChangeWorkspace, [this] { ChangeWorkspace(); },
        [this] {
            const auto items = Selection();
            return CommandState{items.size() == 1 && items[0]->Node().kind == NodeKind::Workspace};
        });
    commands_.On(
        cmd::kNewFolder, [this] { NewFolder(); }, caretIs(pcFolder));
    commands_.On(
        cmd::kRename, [this] { Rename(); },
        [this] {
            const auto items = Selection();
            return CommandState{items.size() == 1 && PaneVisible() && items[0]->Node().IsPcItem() &&
                                items[0]->Node().kind != NodeKind::FlightLog};
        });
    commands_.On(
        cmd::kEditCopy, [this] { Copy(); },
        [this] {
            const CExplorerItem* caret = Caret();
            return CommandState{PaneVisible() && !Selection().empty() && caret &&
                                caret->Node().IsPcItem() && !caret->Node().IsFolder()};
        });
    commands_.On(
        cmd::kEditCut, [this] { Cut(); }, caretIs(pcFile));
    commands_.On(
        cmd::kEditPaste, [this] { Paste(); }, caretIs(pcFolder));
    commands_.On(
        cmd::kDelete,
        [this] {
            CExplorerItem* caret = Caret();
            if (caret && caret->Node().kind == NodeKind::Workspace)
                RemoveWorkspace(caret);
            else
                DeleteFiles();
        },
        [this] { return CommandState{!IsRecorderPane() && !Selection().empty()}; });
    commands_.On(
        cmd::kDisplay, [this] { DisplaySelection(); },
        [this] {
            const CExplorerItem* caret = Caret();
            const bool sameKind = AllSelectedAre(NodeKind::FlightLog) ||
                                  AllSelectedAre(NodeKind::Navpoints) ||
                                  AllSelectedAre(NodeKind::Airspace);
            return CommandState{PaneVisible() && sameKind && caret && caret->Node().IsPcItem() &&
                                caret->Node().IsFile()};
        });
    commands_.On(
        cmd::kOpenFolder,
        [this] {
            const CExplorerItem* caret = Caret();
            if (!caret)
                return;
            const WaitCursor wait;
            QDesktopServices::openUrl(
                QUrl::fromLocalFile(QString::fromStdString(caret->Node().path)));
        },
        caretIs(pcFolder));

    // File commands and recorder transfers of later versions.
    const std::pair<int, const char*> pending[] = {
        {cmd::kEdit, "Editing"},
        {cmd::kEditInTextEditor, "Editing"},
        {cmd::kVerifySecurity, "Verifying flight log security"},
        {cmd::kConvertLog, "Converting logs to IGC format"},
        {cmd::kViewLogNavpoints, "Viewing the navpoints of a log"},
        {cmd::kAnalyzeFlight, "Flight analysis"},
        {cmd::kSendToFloppy, "Sending files to a floppy disk"},
        {cmd::kSendToFlashCard, "Sending files to a flash card"},
        {cmd::kTransferToPc, "Transferring from the recorder"},
        {cmd::kTransferToRecorder, "Transferring to the recorder"},
        {cmd::kImportFiles, "Importing files"},
        {cmd::kSetNavpointFolder, "Setting the default navpoint folder"},
        {cmd::kSetFlightLogFolder, "Setting the default flight log folder"},
        {cmd::kItemProperties, "Showing properties"},
        {cmd::kRefresh, "Reading the recorder"},
    };
    for (const auto& [id, what] : pending)
        commands_.On(id, NotAvailableYet(this, QLatin1String(what)));
}

void CKORTreeCtrl::NewWorkspace() {
    const QString folder =
        ChooseFolder(QStringLiteral("Select New Workspace Location."), QDir::homePath());
    if (folder.isEmpty())
        return;
    CExplorerItem* item = InsertWorkspace(QLatin1String(kNewWorkspaceName), folder);
    setFocus();
    SelectOnly(item);
    StartLabelEdit(item);
}

void CKORTreeCtrl::ChangeWorkspace() {
    const auto items = Selection();
    if (items.size() != 1 || items[0]->Node().kind != NodeKind::Workspace)
        return;
    CExplorerItem* item = items[0];
    const QString folder = ChooseFolder(QStringLiteral("Select New Workspace Location."),
                                        QString::fromStdString(item->Node().path));
    if (folder.isEmpty())
        return;
    item->Node().path = folder.toStdString();
    item->setText(0, WorkspaceLabel(QLatin1String(kPcWorkspaceName), folder));
    ExpandFolder(item);
}

void CKORTreeCtrl::RemoveWorkspace(CExplorerItem* item) {
    if (item == primary_) {
        QMessageBox::critical(this, QLatin1String(kCaption),
                              QStringLiteral("Cannot remove this workspace."));
        return;
    }
    const QString question =
        QStringLiteral("Remove workspace: ") + QString::fromStdString(item->Node().path) +
        QStringLiteral(" from the Velmora Explorer?\nNo flight logs will be deleted.");
    if (QMessageBox::question(this, QLatin1String(kCaption), question,
                              QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        DeleteItem(item);
}

void CKORTreeCtrl::NewFolder() {
    CExplorerItem* parent = Caret();
    if (!parent || !parent->Node().IsPcItem() || !parent->Node().IsFolder())
        return;
    const auto created = CreateNewFolder(parent->Node().path);
    if (!created)
        return;
    const QString path = QString::fromStdString(created->string());
    CExplorerItem* item = nullptr;
    if (!parent->isExpanded()) {
        parent->setExpanded(true); // reads the folder, the new one with it
        item = FindChild(parent, path);
    } else {
        ExplorerNode node = FolderNode(*created);
        int at = parent->childCount();
        for (int i = 0; i < parent->childCount(); ++i)
            if (ComesBefore(node, parent->Child(i)->Node())) {
                at = i;
                break;
            }
        item = InsertItem(parent, std::move(node), true);
        parent->removeChild(item);
        parent->insertChild(at, item);
    }
    if (!item)
        return;
    parent->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    SelectOnly(item);
    StartLabelEdit(item);
}

void CKORTreeCtrl::Rename() {
    if (!commands_.State(cmd::kRename)->enabled)
        return;
    StartLabelEdit(Selection().front());
}

void CKORTreeCtrl::StartLabelEdit(CExplorerItem* item) {
    labelEditAllowed_ = true;
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    scrollToItem(item);
    editItem(item, 0);
}

bool CKORTreeCtrl::FinishLabelEdit(CExplorerItem* item, const QString& text) {
    if (!labelEditAllowed_ || item->Node().onRecorder || item->Node().kind == NodeKind::FlightLog)
        return false;
    ExplorerNode& node = item->Node();
    if (text == item->text(0))
        return true;
    if (node.kind == NodeKind::Workspace) {
        if (text.isEmpty())
            return false;
        item->setText(0, text);
        return true;
    }
    const WaitCursor wait;
    const auto target = RenamedPath(node, text.toStdString());
    if (!target) {
        QApplication::beep();
        return false;
    }
    if (!RenameWithoutReplacing(node.path, *target)) {
        QApplication::beep();
        return false;
    }
    node.path = target->string();
    item->setText(0, text);
    if (node.kind == NodeKind::Folder) {
        item->setExpanded(false);
        DeleteChildren(item);
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    return true;
}

void CKORTreeCtrl::DeleteFiles() {
    ClearCutMarks();
    const auto items = Selection();
    QStringList failed;
    for (CExplorerItem* item : items) {
        const ExplorerNode& node = item->Node();
        if (node.onRecorder || node.kind == NodeKind::Workspace || node.path.empty())
            continue;
        const QString path = QString::fromStdString(node.path);
        if (node.kind == NodeKind::Folder && !FolderIsEmpty(path)) {
            QMessageBox::critical(this, QLatin1String(kCaption),
                                  QStringLiteral("%1 is not empty.").arg(path));
            continue;
        }
        if (QFileInfo::exists(path) && !QFile::moveToTrash(path))
            failed << path;
    }
    if (!failed.isEmpty())
        QMessageBox::critical(this, QLatin1String(kCaption),
                              QStringLiteral("These files could not be moved to the trash:\n") +
                                  failed.join(u'\n'));
    // The tree keeps only what still exists. Items are found again by serial, since deleting
    // a folder's item deletes the items inside it.
    std::vector<std::uint32_t> serials;
    for (CExplorerItem* item : Selection())
        serials.push_back(item->Serial());
    for (const std::uint32_t serial : serials) {
        CExplorerItem* item = FindSerial(serial);
        if (item && item->Node().IsPcItem() && item->Node().kind != NodeKind::Workspace &&
            !QFileInfo::exists(QString::fromStdString(item->Node().path)))
            DeleteItem(item);
    }
}

void CKORTreeCtrl::DisplaySelection() {
    if (!commands_.State(cmd::kDisplay)->enabled || !context_.openDocument)
        return;
    for (CExplorerItem* item : Selection())
        if (item->Node().IsPcItem() && item->Node().IsFile())
            context_.openDocument(QString::fromStdString(item->Node().path));
}

} // namespace vantrel
