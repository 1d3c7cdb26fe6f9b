#include "FixSearch.h"

#include <algorithm>

namespace vantrel::search {
namespace {

constexpr int kLowestBackward = 1;

template <typename Test> int Forward(const std::vector<IgcFix>& fixes, int from, Test test) {
    const int count = static_cast<int>(fixes.size());
    for (int i = std::max(from, 0); i < count; ++i) {
        if (test(fixes[static_cast<std::size_t>(i)]))
            return i;
    }
    return -1;
}

template <typename Test> int Backward(const std::vector<IgcFix>& fixes, int from, Test test) {
    const int count = static_cast<int>(fixes.size());
    for (int i = std::min(from, count - 1); i >= kLowestBackward; --i) {
        if (test(fixes[static_cast<std::size_t>(i)]))
            return i;
    }
    return -1;
}

bool Carries(const IgcFix& fix, std::int32_t id) {
    for (std::size_t k = 0; k < TurnpointSlots::kCount; ++k) {
        if (fix.turnpoints.Mark(k) == id)
            return true;
    }
    return false;
}

} // namespace

int FirstWith(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags) {
    return Forward(fixes, from, [&](const IgcFix& fix) { return fix.flags.Test(flags); });
}

int FirstWithout(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags) {
    return Forward(fixes, from, [&](const IgcFix& fix) { return !fix.flags.Test(flags); });
}

int LastWith(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags) {
    return Backward(fixes, from, [&](const IgcFix& fix) { return fix.flags.Test(flags); });
}

int LastWithout(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags) {
    return Backward(fixes, from, [&](const IgcFix& fix) { return !fix.flags.Test(flags); });
}

int FirstAfter(const std::vector<IgcFix>& fixes, int from, std::time_t time) {
    return Forward(fixes, from, [&](const IgcFix& fix) { return fix.time > time; });
}

int LastBefore(const std::vector<IgcFix>& fixes, int from, std::time_t time) {
    return Backward(fixes, from, [&](const IgcFix& fix) { return fix.time < time; });
}

int FirstWithMark(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags,
                  std::size_t turnpoint, std::int32_t id) {
    return Forward(fixes, from, [&](const IgcFix& fix) {
        return fix.flags.Test(flags) && fix.turnpoints.Mark(turnpoint) == id;
    });
}

int LastCarrying(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags, std::int32_t id) {
    return Backward(fixes, from,
                    [&](const IgcFix& fix) { return fix.flags.Test(flags) && Carries(fix, id); });
}

} // namespace vantrel::search
