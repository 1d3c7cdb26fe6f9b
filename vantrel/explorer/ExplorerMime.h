#pragma once

#include "ExplorerNode.h"

#include <QMimeData>
#include <QStringList>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace vantrel {

// The type of the explorer's own drag data.
inline constexpr auto kDragDataType = "application/x-kordragdata";

// Drag data of explorer items: the explorer's own record of every node and, when they are PC
// items, the file list that file managers read (text/uri-list).
std::unique_ptr<QMimeData> DragMimeData(std::span<const ExplorerNode> nodes);

// The explorer nodes a drop carries; none when it carries no well-formed explorer data.
std::optional<std::vector<ExplorerNode>> DroppedNodes(const QMimeData& data);

// Clipboard contents of a copy: the files as a file list (text/uri-list), and as the copied
// files of GNOME's file managers so that they paste them too.
std::unique_ptr<QMimeData> FileListMimeData(const QStringList& paths);

// The local files of a file list; empty when there is none.
QStringList FileListPaths(const QMimeData& data);

} // namespace vantrel
