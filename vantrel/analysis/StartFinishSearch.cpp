// Start and finish search of the analysis: start candidates, the turnpoint sequence, the
// finish, the latest valid start and the roll.
#include "FixSearch.h"
#include "FlightAnalysis.h"
#include "Interpolation.h"

#include <limits>

namespace vantrel {
namespace {

using F = FixFlags;

constexpr const char* kClosestStartNote =
    "No valid fixes inside the start cylinder, used closest point.";
constexpr const char* kFirstFlyingStartNote = "No valid start line crossing, used roll time.";
constexpr const char* kBeforeOpenNote = "Last valid start occurs before the task open time.";

bool LeftCylinder(const IgcFix& previous, const IgcFix& fix) {
    return !fix.flags.Test(F::kInStartCylinder) && previous.flags.Test(F::kInStartCylinder) &&
           !previous.flags.Test(F::kAboveStart);
}

bool ClimbedOutOfTop(const IgcFix& previous, const IgcFix& fix) {
    return fix.flags.Test(F::kInStartCylinder) && previous.flags.Test(F::kInStartCylinder) &&
           fix.flags.Test(F::kAboveStart) && !previous.flags.Test(F::kAboveStart);
}

} // namespace

void FlightAnalysis::FindStartCandidates() {
    auto& fixes = Fixes();
    if (!run_.start || fixes.empty())
        return;
    const Gate& gate = run_.startGate;
    bool flyingMet = fixes.front().flags.Test(F::kFlying);
    for (std::size_t i = 1; i < fixes.size(); ++i) {
        IgcFix& fix = fixes[i];
        const IgcFix& previous = fixes[i - 1];
        flyingMet = flyingMet || fix.flags.Test(F::kFlying);
        if (!flyingMet)
            continue;
        if (gate.IsLine()) {
            if (fix.flags.Test(F::kInStartCylinder) && !fix.flags.Test(F::kAboveStart) &&
                gate.Crosses(previous, fix, true))
                fix.flags.Set(F::kStarted | F::kLatestStart);
        } else if (LeftCylinder(previous, fix) || ClimbedOutOfTop(previous, fix)) {
            fix.flags.Set(F::kStarted);
        }
    }
}

void FlightAnalysis::FollowTurnpointSequence() {
    auto& fixes = Fixes();
    const auto& turnpoints = run_.turnpoints;
    std::size_t k = 0;
    if (turnpoints.empty() && fixes.size() > 1)
        run_.allMetFix = 1;
    for (std::size_t i = 1; i < fixes.size(); ++i) {
        IgcFix& fix = fixes[i];
        if (run_.allMetFix < 0 && fix.flags.Test(F::kOuterTurnpointRadius) &&
            fix.turnpoints.Mark(k) == turnpoints[k].navpoint.Id()) {
            fix.flags.Set(F::kArrival);
            if (++k == turnpoints.size())
                run_.allMetFix = static_cast<int>(i);
        }
        if (run_.allMetFix >= 0 && fix.flags.Test(F::kLanded)) {
            run_.sequenceLandingFix = static_cast<int>(i);
            return;
        }
    }
}

std::optional<std::time_t> FlightAnalysis::FinishTimeAt(int index) const {
    const auto& fixes = Fixes();
    const IgcFix& fix = fixes[static_cast<std::size_t>(index)];
    const IgcFix& previous = fixes[static_cast<std::size_t>(index) - 1];
    const Gate& gate = run_.finishGate;
    if (!fix.flags.Test(F::kInFinishCylinder))
        return std::nullopt;
    if (gate.IsLine()) {
        if (!gate.Crosses(previous, fix, false))
            return std::nullopt;
        return gate.CrossingTime(previous, previous.time, fix, fix.time);
    }
    if (fix.flags.Test(F::kBelowFinish))
        return std::nullopt;
    if (!previous.flags.Test(F::kInFinishCylinder))
        return InterpolatedTime(previous.time, fix.time, gate.radius,
                                previous.distanceToFinishCentre, fix.distanceToFinishCentre);
    if (previous.flags.Test(F::kBelowFinish))
        return InterpolatedTime(previous.time, fix.time, AboveHome(gate.base),
                                previous.correctedAltitude, fix.correctedAltitude);
    return std::nullopt;
}

void FlightAnalysis::FindFinish() {
    if (run_.allMetFix < 0 || !run_.finish)
        return;
    const int last = run_.sequenceLandingFix >= 0 ? run_.sequenceLandingFix : FixCount() - 1;
    for (int i = std::max(run_.allMetFix, 1); i <= last; ++i) {
        if (const auto time = FinishTimeAt(i)) {
            Fixes()[static_cast<std::size_t>(i)].flags.Set(F::kFinished);
            run_.finished = true;
            run_.finishTime = *time;
            run_.finishFix = i;
            return;
        }
    }
}

std::time_t FlightAnalysis::StartTimeAt(int index) const {
    const auto& fixes = Fixes();
    const IgcFix& fix = fixes[static_cast<std::size_t>(index)];
    const IgcFix& previous = fixes[static_cast<std::size_t>(index) - 1];
    const Gate& gate = run_.startGate;
    if (gate.IsLine())
        return gate.CrossingTime(previous, previous.time, fix, fix.time).value_or(fix.time);
    if (fix.flags.Test(F::kInStartCylinder) && previous.flags.Test(F::kInStartCylinder))
        return InterpolatedTime(previous.time, fix.time, AboveHome(gate.top),
                                previous.correctedAltitude, fix.correctedAltitude);
    return InterpolatedTime(previous.time, fix.time, gate.radius, previous.distanceToStartCentre,
                            fix.distanceToStartCentre);
}

void FlightAnalysis::FindLatestStart() {
    auto& fixes = Fixes();
    const int lastFix = FixCount() - 1;
    int index = lastFix;
    for (auto turnpoint = run_.turnpoints.rbegin(); turnpoint != run_.turnpoints.rend();
         ++turnpoint) {
        const int seen =
            search::LastCarrying(fixes, index, F::kOuterTurnpointRadius, turnpoint->navpoint.Id());
        index = seen >= 0 ? seen : lastFix;
    }
    int start = search::LastWith(fixes, index, F::kStarted);
    std::time_t time = 0;
    if (start >= 0) {
        time = StartTimeAt(start);
    } else {
        start = run_.startGate.IsLine() ? search::FirstWith(fixes, 0, F::kFlying) : [&] {
            int closest = -1;
            double nearest = std::numeric_limits<double>::infinity();
            for (int i = 0; i <= index; ++i) {
                const IgcFix& fix = fixes[static_cast<std::size_t>(i)];
                if (fix.flags.Test(F::kFlying) && fix.distanceToStartCentre < nearest) {
                    nearest = fix.distanceToStartCentre;
                    closest = i;
                }
            }
            return closest;
        }();
        // Without a Flying fix there is nothing to start from: the flight did not start.
        if (start < 0)
            return;
        Note(run_.startGate.IsLine() ? kFirstFlyingStartNote : kClosestStartNote);
        time = fixes[static_cast<std::size_t>(start)].time;
    }
    fixes[static_cast<std::size_t>(start)].flags.Set(F::kLatestStart);
    run_.started = true;
    run_.startFix = start;
    run_.startTime = time;
    if (run_.taskOpenTime != 0 && time < run_.taskOpenTime)
        Note(kBeforeOpenNote);
}

void FlightAnalysis::FindRoll() {
    const auto& fixes = Fixes();
    const int firstStarted = search::FirstWith(fixes, 0, F::kStarted);
    const int rolling =
        firstStarted >= 0 ? search::LastWithout(fixes, firstStarted, F::kFlying) : -1;
    if (rolling >= 0) {
        run_.rollTime = fixes[static_cast<std::size_t>(rolling)].time;
        return;
    }
    const int flying = search::FirstWith(fixes, 0, F::kFlying);
    run_.rollTime = fixes[static_cast<std::size_t>(std::max(flying, 0))].time;
}

} // namespace vantrel
