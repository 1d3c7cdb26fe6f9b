// Turnpoint achievement, the closest fixes with their penalty notes, and the landing.
#include "FixSearch.h"
#include "FlightAnalysis.h"
#include "Interpolation.h"
#include "document/Units.h"
#include "navpoints/NumberText.h"

#include <algorithm>

namespace vantrel {
namespace {

using F = FixFlags;

constexpr long long kBasePenalty = 25;
constexpr long long kHighestPenalty = 125;

} // namespace

void FlightAnalysis::AchieveTurnpoints() {
    const auto& fixes = Fixes();
    run_.allAchieved = true;
    int position = search::FirstWith(fixes, 0, F::kLatestStart);
    if (position < 0) {
        run_.allAchieved = false;
        return;
    }
    run_.landedFromStart = search::FirstWith(fixes, position, F::kLanded);
    int landed = run_.landedFromStart;
    for (std::size_t k = 0; k < run_.turnpoints.size(); ++k) {
        const int id = run_.turnpoints[k].navpoint.Id();
        const int reached =
            search::FirstWithMark(fixes, position + 1, F::kOuterTurnpointRadius, k, id);
        // The first landing after the position stays the same until the position passes it.
        if (landed <= position)
            landed = search::FirstWith(fixes, position + 1, F::kLanded);
        if (reached < 0 || (landed >= 0 && landed < reached)) {
            run_.allAchieved = false;
            break;
        }
        run_.achievedIds.push_back(id);
        run_.achievedFixes.push_back(reached);
        position = reached;
    }
    NoteClosestFixes();
}

void FlightAnalysis::NoteClosestFixes() {
    const auto& fixes = Fixes();
    const char* unit = DistanceUnitName(run_.displayUnit);
    for (std::size_t k = 0; k < run_.achievedIds.size(); ++k) {
        const TaskTurnpoint& turnpoint = run_.turnpoints[k];
        const int closest = run_.closestFixes[k];
        if (closest < 0) {
            Note("No valid fix within " + navpoints::FixedText(Shown(run_.navpointRadius), 2, 6) +
                 " " + unit + " of turnpoint: " + turnpoint.navpoint.Name() + ".");
            continue;
        }
        const IgcFix& fix = fixes[static_cast<std::size_t>(closest)];
        if (fix.flags.Test(F::kAtTurnpoint))
            continue;
        const double distance = fix.turnpoints.Distance(k);
        const double miss =
            ConvertDistance(distance - turnpoint.radius, kNauticalMiles, kStatuteMiles);
        const long long penalty =
            std::min(kBasePenalty + RoundHalfUp(miss * 100.0), kHighestPenalty);
        if (penalty >= 1)
            Note("Closest fix was " + navpoints::FixedText(Shown(distance), 2, 6) + " " + unit +
                 " from turnpoint: " + turnpoint.navpoint.Name() + ".  Recommend penalty of " +
                 std::to_string(penalty) + " points");
    }
}

void FlightAnalysis::FindLanding() {
    const int landing = run_.landedFromStart;
    if (landing < 0)
        return;
    const IgcFix& fix = Fixes()[static_cast<std::size_t>(landing)];
    run_.landingFix = landing;
    run_.landingTime = fix.time;
    run_.landingPosition = static_cast<const GeoPosition&>(fix);
}

} // namespace vantrel
