#pragma once

#include "ExplorerNode.h"

#include <QTreeWidgetItem>
#include <cstdint>

namespace vantrel {

// A tree item of the explorer with the record behind it. Deleting an item deletes its subtree
// and their records.
class CExplorerItem : public QTreeWidgetItem {
public:
    CExplorerItem(ExplorerNode node, std::uint32_t serial)
        : node_(std::move(node)), serial_(serial) {}

    ExplorerNode& Node() { return node_; }
    const ExplorerNode& Node() const { return node_; }
    // A number that names the item within its tree (the drag data's source item).
    std::uint32_t Serial() const { return serial_; }

    CExplorerItem* ParentItem() const { return static_cast<CExplorerItem*>(parent()); }
    CExplorerItem* Child(int index) const { return static_cast<CExplorerItem*>(child(index)); }

private:
    ExplorerNode node_;
    std::uint32_t serial_;
};

} // namespace vantrel
