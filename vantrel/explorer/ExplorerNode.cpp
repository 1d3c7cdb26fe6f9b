#include "ExplorerNode.h"

namespace vantrel {

bool IsNodeKind(std::int32_t value) {
    return value >= static_cast<std::int32_t>(NodeKind::RecorderRoot) &&
           value <= static_cast<std::int32_t>(NodeKind::Airspace);
}

} // namespace vantrel
