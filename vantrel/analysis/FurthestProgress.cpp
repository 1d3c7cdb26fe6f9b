// The furthest progress of a flight that did not complete its task: the fix nearest the point
// it was flying to next.
#include "FixSearch.h"
#include "FlightAnalysis.h"
#include "document/Units.h"

#include <limits>

namespace vantrel {
namespace {

using F = FixFlags;

// The first fix from `from` on nearest to `target`, up to `last`.
int Nearest(const std::vector<IgcFix>& fixes, int from, int last, const GeoPosition& target) {
    int nearest = -1;
    double shortest = std::numeric_limits<double>::infinity();
    for (int i = std::max(from, 0); i <= last; ++i) {
        const double distance =
            Distance(fixes[static_cast<std::size_t>(i)], target, kNauticalMiles);
        if (distance < shortest) {
            shortest = distance;
            nearest = i;
        }
    }
    return nearest;
}

} // namespace

int FlightAnalysis::FurthestProgressSearchStart() const {
    const auto& fixes = Fixes();
    const int firstStart = search::FirstWith(fixes, 0, F::kLatestStart);
    if (!run_.achievedIds.empty())
        return firstStart;
    const int closest = Nearest(fixes, 0, FixCount() - 1, run_.turnpoints.front().position);
    const int started = search::LastWith(fixes, closest, F::kStarted);
    return started >= 0 ? started : std::max(firstStart, 0);
}

void FlightAnalysis::FindFurthestProgress() {
    if (Completed() || run_.turnpoints.empty())
        return;
    run_.furthestPosition = run_.landingPosition;
    const auto& fixes = Fixes();
    int position = FurthestProgressSearchStart();
    const std::uint32_t reached =
        run_.taskType == AnalysisTask::kAssignedArea ? F::kTurnAreaTurnpoint : F::kAtTurnpoint;
    for (std::size_t k = 0; k < run_.achievedIds.size(); ++k) {
        const int id = run_.achievedIds[k];
        int next = search::FirstWithMark(fixes, position + 1, reached, k, id);
        if (next < 0)
            next = search::FirstWithMark(fixes, position + 1, F::kOuterTurnpointRadius, k, id);
        if (next >= 0)
            position = next;
    }

    std::optional<GeoPosition> target;
    if (run_.allAchieved) {
        if (run_.finish)
            target = PositionOf(*run_.finish);
    } else {
        target = run_.turnpoints[run_.achievedIds.size()].position;
    }
    if (!target)
        return;
    // Up to and including the first fix after the landing; to the end without a landing.
    const int afterLanding =
        run_.landingFix >= 0 ? search::FirstAfter(fixes, position, run_.landingTime) : -1;
    const int last = afterLanding >= 0 ? afterLanding : FixCount() - 1;
    const int furthest = Nearest(fixes, position, last, *target);
    if (furthest < 0)
        return;
    Fixes()[static_cast<std::size_t>(furthest)].flags.Set(F::kFurthestProgress);
    run_.furthestFix = furthest;
    run_.furthestPosition = fixes[static_cast<std::size_t>(furthest)];
}

} // namespace vantrel
