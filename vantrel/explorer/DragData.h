#pragma once

#include "ExplorerNode.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vantrel {

// The explorer's drag data ("KORDragData"): a 32-bit count of nodes, then per node a record of
// 32-bit words (low byte first): its length in words, 14 + (path length + 1) / 4; the
// on-recorder flag; the kind; the index; the source item; the source tree; the six log identity
// bytes one per word; the path length; then the path's bytes and a zero, padded to the length.
std::vector<std::uint8_t> EncodeDragData(std::span<const ExplorerNode> nodes);

// The nodes of drag data (labels empty, sort dates 0). None when the data is not well formed:
// too short, a record length that does not fit its path or runs past the end, an unknown
// kind, a path without its zero, or bytes left over.
std::optional<std::vector<ExplorerNode>> DecodeDragData(std::span<const std::uint8_t> data);

} // namespace vantrel
