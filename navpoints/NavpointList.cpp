#include "NavpointList.h"

#include <algorithm>

namespace navpoints {

NavpointList::NavpointList() : positions_(kInitialPositions) {}

NavpointList::NavpointList(const NavpointList& other) {
    CopyFrom(other);
}

NavpointList& NavpointList::operator=(const NavpointList& other) {
    if (this != &other)
        CopyFrom(other);
    return *this;
}

void NavpointList::Clear() {
    positions_.clear();
    positions_.resize(kInitialPositions);
}

void NavpointList::CopyFrom(const NavpointList& other) {
    std::vector<std::unique_ptr<Navpoint>> copy(other.positions_.size());
    for (std::size_t i = 0; i < copy.size(); ++i) {
        if (other.positions_[i])
            copy[i] = std::make_unique<Navpoint>(*other.positions_[i]);
    }
    positions_ = std::move(copy);
}

bool NavpointList::Put(const Navpoint& navpoint) {
    const int id = navpoint.Id();
    if (id < Navpoint::kMinId || id > Navpoint::kMaxId)
        return false;
    const auto position = static_cast<std::size_t>(id - 1);
    if (position >= positions_.size())
        positions_.resize(position + 1);
    positions_[position] = std::make_unique<Navpoint>(navpoint);
    return true;
}

bool NavpointList::Remove(int id) {
    if (!Find(id))
        return false;
    positions_[static_cast<std::size_t>(id - 1)].reset();
    return true;
}

int NavpointList::Count() const {
    return static_cast<int>(
        std::count_if(positions_.begin(), positions_.end(),
                      [](const auto& navpoint) { return navpoint != nullptr; }));
}

int NavpointList::NextFreeId() const {
    for (auto position = positions_.size(); position > 0; --position) {
        if (positions_[position - 1])
            return static_cast<int>(position) + 1;
    }
    return 1;
}

int NavpointList::OrdinalOf(int id) const {
    if (!Find(id))
        return -1;
    const auto end = positions_.begin() + id;
    return static_cast<int>(std::count_if(
        positions_.begin(), end, [](const auto& navpoint) { return navpoint != nullptr; }));
}

const Navpoint* NavpointList::Nth(int n) const {
    if (n < 1)
        return nullptr;
    for (const auto& navpoint : positions_) {
        if (navpoint && --n == 0)
            return navpoint.get();
    }
    return nullptr;
}

const Navpoint* NavpointList::At(int position) const {
    if (position < 0 || position >= Positions())
        return nullptr;
    return positions_[static_cast<std::size_t>(position)].get();
}

std::vector<const Navpoint*> NavpointList::InOrder() const {
    std::vector<const Navpoint*> navpoints;
    for (const auto& navpoint : positions_) {
        if (navpoint)
            navpoints.push_back(navpoint.get());
    }
    return navpoints;
}

bool NavpointList::operator==(const NavpointList& other) const {
    const auto mine = InOrder();
    const auto theirs = other.InOrder();
    return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end(),
                      [](const Navpoint* a, const Navpoint* b) { return *a == *b; });
}

} // namespace navpoints
