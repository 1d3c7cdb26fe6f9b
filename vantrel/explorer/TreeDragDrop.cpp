// Drag and drop of explorer items inside and between the trees and with file managers.
#include "ExplorerMime.h"
#include "FileTransfer.h"
#include "KORTreeCtrl.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMessageBox>

namespace vantrel {
namespace {

bool SameKind(const std::vector<ExplorerNode>& nodes) {
    return !nodes.empty() && std::all_of(nodes.begin(), nodes.end(), [&](const auto& node) {
        return node.kind == nodes.front().kind;
    });
}

bool OnlyFromFolder(const std::vector<ExplorerNode>& nodes, const std::string& folder) {
    return std::all_of(nodes.begin(), nodes.end(), [&](const ExplorerNode& node) {
        return !node.onRecorder &&
               std::filesystem::path(node.path).parent_path() == std::filesystem::path(folder);
    });
}

Qt::DropAction ActionOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
}

} // namespace

std::vector<ExplorerNode> CKORTreeCtrl::DraggableSelection() const {
    std::vector<ExplorerNode> nodes;
    for (const CExplorerItem* item : Selection()) {
        if (item->Node().kind == NodeKind::Workspace)
            continue;
        ExplorerNode node = item->Node();
        node.sourceTree = IsRecorderPane() ? kRecorderTreeNumber : kPcTreeNumber;
        node.sourceItem = item->Serial();
        nodes.push_back(std::move(node));
    }
    const bool draggable = SameKind(nodes) && (nodes.front().kind == NodeKind::FlightLog ||
                                               nodes.front().kind == NodeKind::Navpoints ||
                                               nodes.front().kind == NodeKind::Airspace);
    return draggable ? nodes : std::vector<ExplorerNode>{};
}

void CKORTreeCtrl::BeginDrag() {
    ClearCutMarks();
    const auto nodes = DraggableSelection();
    if (nodes.empty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(DragMimeData(nodes).release());
    drag->setPixmap(
        images_[static_cast<std::size_t>(nodes.size() > 1 ? kFolderImage : kIgcLogImage)].pixmap(
            kImageSize));
    const Qt::DropAction result = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    // A file manager that moved the files: the tree keeps only what still exists.
    if (result == Qt::MoveAction && !drag->target())
        for (const auto& node : nodes)
            if (CExplorerItem* item = FindSerial(node.sourceItem);
                item && item->Node().IsPcItem() &&
                !QFileInfo::exists(QString::fromStdString(item->Node().path)))
                DeleteItem(item);
}

bool CKORTreeCtrl::AcceptsDrop(const std::vector<ExplorerNode>& nodes,
                               const CExplorerItem* target) const {
    if (!target || !SameKind(nodes))
        return false;
    const ExplorerNode& on = target->Node();
    if (on.onRecorder && nodes.size() != 1)
        return false;
    const bool pcFolder = on.IsPcItem() && on.IsFolder();
    if (pcFolder && OnlyFromFolder(nodes, on.path))
        return false; // already there
    switch (nodes.front().kind) {
    case NodeKind::FlightLog:
    case NodeKind::Airspace:
        return pcFolder;
    case NodeKind::Navpoints:
        return pcFolder || (on.kind == NodeKind::RecorderRoot && nodes.front().IsPcItem());
    case NodeKind::RecorderTask:
        return on.kind == NodeKind::RecorderTasks || on.kind == NodeKind::Workspace;
    default:
        return false;
    }
}

void CKORTreeCtrl::SetDropHighlight(CExplorerItem* item) {
    if (item == dropHighlight_)
        return;
    dropHighlight_ = item;
    viewport()->update();
}

void CKORTreeCtrl::dragEnterEvent(QDragEnterEvent* event) {
    // Only the explorer's own data is taken; files of a file manager and foreign data are not.
    dragged_ = DroppedNodes(*event->mimeData());
    if (!dragged_) {
        event->ignore();
        return;
    }
    event->accept();
}

void CKORTreeCtrl::dragMoveEvent(QDragMoveEvent* event) {
    auto* target = static_cast<CExplorerItem*>(itemAt(event->position().toPoint()));
    if (!dragged_ || !AcceptsDrop(*dragged_, target)) {
        SetDropHighlight(nullptr);
        event->ignore();
        return;
    }
    SetDropHighlight(target);
    event->setDropAction(ActionOf(event->modifiers()));
    event->accept();
}

void CKORTreeCtrl::dragLeaveEvent(QDragLeaveEvent* event) {
    SetDropHighlight(nullptr);
    dragged_.reset();
    event->accept();
}

void CKORTreeCtrl::dropEvent(QDropEvent* event) {
    auto* target = static_cast<CExplorerItem*>(itemAt(event->position().toPoint()));
    SetDropHighlight(nullptr);
    const auto nodes = dragged_ ? dragged_ : DroppedNodes(*event->mimeData());
    dragged_.reset();
    if (!nodes || !AcceptsDrop(*nodes, target)) {
        event->ignore();
        return;
    }
    const Qt::DropAction action = ActionOf(event->modifiers());
    event->setDropAction(action);
    event->accept();
    // Source items are known only when the drag comes from a tree of this program.
    auto* source = qobject_cast<CKORTreeCtrl*>(event->source());
    DropNodes(*nodes, target, action, source);
}

void CKORTreeCtrl::DropNodes(const std::vector<ExplorerNode>& nodes, CExplorerItem* target,
                             Qt::DropAction action, CKORTreeCtrl* source) {
    const bool fromRecorder = nodes.front().onRecorder;
    if (fromRecorder || target->Node().onRecorder) {
        if (context_.recorderDrop)
            context_.recorderDrop(nodes, *this, target);
        return;
    }
    QStringList paths;
    for (const auto& node : nodes)
        paths << QString::fromStdString(node.path);
    const bool move = action == Qt::MoveAction;
    const QStringList arrived = PutFiles(paths, target, move);
    if (!move || !source)
        return;
    for (const auto& node : nodes)
        if (CExplorerItem* item = source->FindSerial(node.sourceItem);
            item && !QFileInfo::exists(QString::fromStdString(item->Node().path)))
            source->DeleteItem(item);
}

} // namespace vantrel
