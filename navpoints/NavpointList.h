#pragma once

#include "Navpoint.h"

#include <memory>
#include <vector>

namespace navpoints {

// A sparse, owning list of navpoints: the navpoint with id n sits at position n - 1, so gaps
// are empty positions.
class NavpointList {
public:
    static constexpr int kInitialPositions = 250;

    NavpointList();
    NavpointList(const NavpointList& other);
    NavpointList& operator=(const NavpointList& other);
    NavpointList(NavpointList&&) noexcept = default;
    NavpointList& operator=(NavpointList&&) noexcept = default;
    ~NavpointList() = default;

    // Deletes every navpoint.
    void Clear();
    // Deep copy of another list, same positions.
    void CopyFrom(const NavpointList& other);

    // Places a copy at position id - 1, replacing any navpoint with that id. Ids outside
    // 1 .. 65535 are refused.
    bool Put(const Navpoint& navpoint);
    // Removes the navpoint with this id; false when there is none.
    bool Remove(int id);

    // Number of navpoints (non-empty positions).
    int Count() const;
    // Highest id + 1, or 1 when empty.
    int NextFreeId() const;
    // 1-based count of navpoints up to and including the one with this id; -1 if none.
    int OrdinalOf(int id) const;
    // The n-th navpoint (1-based, counting only navpoints); none for n < 1 or beyond the end.
    const Navpoint* Nth(int n) const;
    // The navpoint at a position (0-based); none for empty positions and outside the array.
    const Navpoint* At(int position) const;
    // The navpoint with this id; none when there is none.
    const Navpoint* Find(int id) const { return id < Navpoint::kMinId ? nullptr : At(id - 1); }
    // Number of positions, empty ones included.
    int Positions() const { return static_cast<int>(positions_.size()); }

    // The navpoints in list order.
    std::vector<const Navpoint*> InOrder() const;

    bool operator==(const NavpointList& other) const;

private:
    std::vector<std::unique_ptr<Navpoint>> positions_;
};

} // namespace navpoints
