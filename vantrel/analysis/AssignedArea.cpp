// The assigned area optimisation: in each achieved area, the fix that makes the longest path
// from the point before it to the point after it.
#include "FixSearch.h"
#include "FlightAnalysis.h"
#include "document/Units.h"

namespace vantrel {
namespace {

using F = FixFlags;

constexpr int kMostPasses = 12;

} // namespace

int FlightAnalysis::ChooseAreaPoint(std::size_t k, int from,
                                    const std::vector<GeoPosition>& points) const {
    const auto& fixes = Fixes();
    const int id = run_.turnpoints[k].navpoint.Id();
    const TaskTurnpoint* next = k + 1 < run_.turnpoints.size() ? &run_.turnpoints[k + 1] : nullptr;
    // Fixes within the area's radius count when there are any; else those within the outer
    // radius.
    const std::uint32_t wanted = search::FirstWithMark(fixes, 0, F::kAtTurnpoint, k, id) >= 0
                                     ? F::kAtTurnpoint
                                     : F::kOuterTurnpointRadius;
    int chosen = -1;
    double longest = 0;
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < fixes.size(); ++i) {
        const IgcFix& fix = fixes[i];
        if (fix.time > run_.landingTime || (run_.finished && fix.time > run_.finishTime))
            break;
        if (chosen >= 0 && next && fix.turnpoints.Mark(k + 1) == next->navpoint.Id())
            break;
        if (!fix.flags.Test(wanted) || fix.turnpoints.Mark(k) != id)
            continue;
        const double length =
            Distance(points[k], fix, kNauticalMiles) + Distance(fix, points[k + 2], kNauticalMiles);
        if (chosen < 0 || length > longest) {
            chosen = static_cast<int>(i);
            longest = length;
        }
    }
    return chosen;
}

void FlightAnalysis::OptimiseAssignedArea() {
    const std::size_t achieved = run_.achievedIds.size();
    if (achieved == 0 || !run_.start || !run_.finish)
        return;
    std::vector<GeoPosition> points{PositionOf(*run_.start)};
    for (std::size_t k = 0; k < achieved; ++k)
        points.push_back(run_.turnpoints[k].position);
    points.push_back(PositionOf(*run_.finish));

    std::vector<int> chosen(achieved, -1);
    bool changed = true;
    for (int pass = 0; pass < kMostPasses && changed; ++pass) {
        changed = false;
        for (std::size_t k = 0; k < achieved; ++k) {
            // Each area is searched from the point chosen before it (the start for the first),
            // so a point flown before the start or before the previous area is never taken.
            const int from = k == 0 ? run_.startFix : chosen[k - 1];
            const int fix = ChooseAreaPoint(k, from, points);
            if (fix >= 0 && fix != chosen[k]) {
                chosen[k] = fix;
                points[k + 1] = Fixes()[static_cast<std::size_t>(fix)];
                changed = true;
            }
        }
    }
    for (const int fix : chosen) {
        if (fix >= 0)
            Fixes()[static_cast<std::size_t>(fix)].flags.Set(F::kTurnAreaTurnpoint);
    }
    run_.assignedAreaPoints = std::move(points);
}

} // namespace vantrel
