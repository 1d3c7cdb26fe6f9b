// Copy, Cut and Paste of explorer files through the desktop's clipboard.
#include "ExplorerMime.h"
#include "FileTransfer.h"
#include "KORTreeCtrl.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPalette>

namespace vantrel {
namespace {

// Extensions a pasted path must contain to be taken.
bool IsExplorerFile(const QString& path) {
    static const char* const kExtensions[] = {".igc", ".IGC", ".kor", ".KOR", ".dat",
                                              ".DAT", ".air", ".AIR", ".sua", ".SUA"};
    for (const char* extension : kExtensions)
        if (path.contains(QLatin1String(extension)))
            return true;
    return false;
}

QString Reason(TransferStatus status) {
    switch (status) {
    case TransferStatus::SourceMissing:
        return QStringLiteral("no longer exists");
    case TransferStatus::TargetExists:
        return QStringLiteral("already exists in the target folder");
    default:
        return QStringLiteral("could not be written");
    }
}

} // namespace

void CKORTreeCtrl::Copy() {
    ClearCutMarks();
    QStringList paths;
    for (CExplorerItem* item : Selection())
        if (item->Node().IsPcItem() && !item->Node().path.empty())
            paths << QString::fromStdString(item->Node().path);
    if (paths.isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(FileListMimeData(paths).release());
}

void CKORTreeCtrl::Cut() {
    Copy();
    for (CExplorerItem* item : Selection()) {
        if (!item->Node().IsPcItem() || !item->Node().IsFile())
            continue;
        cutItems_ << item->Serial();
        ShowCutState(item, true);
    }
}

void CKORTreeCtrl::ClearCutMarks() {
    for (const std::uint32_t serial : cutItems_)
        if (CExplorerItem* item = FindSerial(serial))
            ShowCutState(item, false);
    cutItems_.clear();
}

void CKORTreeCtrl::ShowCutState(CExplorerItem* item, bool cut) {
    if (cut)
        item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
    else
        item->setData(0, Qt::ForegroundRole, QVariant());
}

void CKORTreeCtrl::Paste() {
    CExplorerItem* target = Caret();
    if (!target || !target->Node().IsPcItem() || !target->Node().IsFolder())
        return;
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    QStringList paths;
    if (clipboard)
        for (const QString& path : FileListPaths(*clipboard))
            if (IsExplorerFile(path))
                paths << path;
    // Files marked by Cut move; everything else is copied.
    QStringList moving;
    QStringList copying;
    std::vector<std::uint32_t> movedItems;
    for (const QString& path : paths) {
        CExplorerItem* cut = nullptr;
        for (const std::uint32_t serial : cutItems_)
            if (CExplorerItem* item = FindSerial(serial);
                item && QString::fromStdString(item->Node().path) == path)
                cut = item;
        (cut ? moving : copying) << path;
        if (cut)
            movedItems.push_back(cut->Serial());
    }
    const QStringList copied = PutFiles(copying, target, false);
    const QStringList moved = PutFiles(moving, target, true);
    for (const std::uint32_t serial : movedItems)
        if (CExplorerItem* item = FindSerial(serial);
            item && !QFileInfo::exists(QString::fromStdString(item->Node().path)))
            DeleteItem(item);
    ClearCutMarks();
}

QStringList CKORTreeCtrl::PutFiles(const QStringList& paths, CExplorerItem* target, bool move) {
    QStringList arrived;
    QStringList problems;
    const std::filesystem::path folder(target->Node().path);
    for (const QString& path : paths) {
        const std::filesystem::path file(path.toStdString());
        const TransferResult result = move ? MoveInto(file, folder) : CopyInto(file, folder);
        if (result.status == TransferStatus::Done)
            arrived << QString::fromStdString(result.target.string());
        else
            problems << path + QStringLiteral(" ") + Reason(result.status);
    }
    for (const QString& path : arrived)
        ShowArrivedFile(target, path, path == arrived.back());
    if (!problems.isEmpty())
        QMessageBox::critical(this, QStringLiteral("Velmora Skyline Explorer"),
                              (move ? QStringLiteral("These files were not moved:\n")
                                    : QStringLiteral("These files were not copied:\n")) +
                                  problems.join(u'\n'));
    return arrived;
}

void CKORTreeCtrl::ShowArrivedFile(CExplorerItem* target, const QString& path, bool makeCaret) {
    if (!target->isExpanded()) {
        target->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        return;
    }
    if (CExplorerItem* item = AddFileItem(target, path)) {
        if (makeCaret)
            setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
    } else {
        target->setExpanded(false);
    }
}

} // namespace vantrel
