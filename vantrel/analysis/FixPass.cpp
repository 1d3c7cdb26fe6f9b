// The fix pass of the analysis: statistics, the states of every fix, corrected altitude, speed
// and climb, and the turnpoint zones.
#include "FlightAnalysis.h"
#include "TimeText.h"
#include "document/FlightMotion.h"
#include "document/MovingAverage.h"
#include "document/Units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {
namespace {

using F = FixFlags;

// 10, 20 and 5 statute miles an hour in knots.
constexpr double kSlowFlight = 8.683906907907758;
constexpr double kFastFlight = 2 * kSlowFlight;
constexpr double kRolling = kSlowFlight / 2;
constexpr int kClimbStepLimit = 10; // feet
constexpr std::int32_t kHighAltitude = 17500;
constexpr double kFeetPerMetreOfNavpoints = 3.281;
constexpr long long kGapMinutes = 15;
constexpr std::size_t kClimbWindow = 5;

// What the statistics step finds over all fixes.
struct FixStatistics {
    int engineNoiseBaseline = 0;
    bool noAltitude = false;
    std::vector<double> speeds; // the limited point-to-point speeds
};

FixStatistics Statistics(std::vector<IgcFix>& fixes) {
    FixStatistics statistics;
    double engineNoise = 0;
    std::int32_t lowest = std::numeric_limits<std::int32_t>::max();
    std::int32_t highest = std::numeric_limits<std::int32_t>::min();
    for (IgcFix& fix : fixes) {
        engineNoise += fix.engineNoiseLevel;
        lowest = std::min(lowest, fix.pressureAltitude);
        highest = std::max(highest, fix.pressureAltitude);
        fix.flags.Clear();
        fix.turnpoints.Reset();
        fix.distanceToStartCentre = 0;
        fix.distanceToFinishCentre = 0;
        fix.correctedAltitude = 0;
    }
    statistics.engineNoiseBaseline =
        static_cast<int>(std::trunc(engineNoise / static_cast<double>(fixes.size())));
    statistics.noAltitude = lowest == highest;
    statistics.speeds = LimitedSpeeds(fixes);
    return statistics;
}

} // namespace

void FlightAnalysis::RunFixPass() {
    auto& fixes = Fixes();
    const FixStatistics statistics = Statistics(fixes);
    run_.noAltitude = statistics.noAltitude;
    const float elevation = run_.home ? run_.home->Elevation() : 0.0f;
    run_.homeElevation =
        static_cast<std::int32_t>(std::trunc(elevation * kFeetPerMetreOfNavpoints));
    const std::int32_t offset =
        elevation == 0 ? 0 : run_.homeElevation - fixes.front().pressureAltitude;

    MovingAverage climb(kClimbWindow);
    bool flown = false;
    bool highNoted = false;
    for (std::size_t i = 0; i < fixes.size(); ++i) {
        IgcFix& fix = fixes[i];
        if (fix.engineNoiseLevel > 3LL * statistics.engineNoiseBaseline)
            fix.flags.Set(F::kMotorOn);
        fix.correctedAltitude = fix.pressureAltitude + offset;
        if (!highNoted && fix.correctedAltitude > kHighAltitude) {
            Note(ClockText(fix.time) + " - Altitude exceeded 17500ft.");
            highNoted = true;
        }
        fix.groundSpeed = CentredMean(statistics.speeds, i);

        // The first fix has no step of its own: its step is 0, as in the flight reader.
        const std::int32_t previous =
            i == 0 ? fix.correctedAltitude : fixes[i - 1].correctedAltitude;
        climb.Add(fix.correctedAltitude - previous);
        const int climbStep = static_cast<int>(std::trunc(std::fabs(climb.Mean())));
        if (i > 0) {
            const long long dt = SecondsSincePrevious(fixes, i);
            fix.climbRate = dt > 0 ? static_cast<float>(climb.Mean() / static_cast<double>(dt))
                                   : fixes[i - 1].climbRate;
        }

        if ((fix.groundSpeed > kSlowFlight && climbStep > kClimbStepLimit) ||
            fix.groundSpeed > kFastFlight) {
            fix.flags.Set(F::kFlying);
            flown = true;
        }
        if (!flown)
            continue;
        const bool landed = run_.noAltitude
                                ? fix.groundSpeed < kRolling
                                : fix.groundSpeed < kSlowFlight && climbStep < kClimbStepLimit;
        if (landed)
            fix.flags.Set(F::kLanded);
        MarkGates(fix);
        if (i > 0 && SecondsSincePrevious(fixes, i) / 60 % 60 > kGapMinutes) {
            fix.flags.Set(F::kGapInTrace);
            run_.gapFixes.push_back(static_cast<int>(i));
        }
    }
    MarkTurnpointZones();
    fixes.back().flags.Set(F::kLanded);
}

void FlightAnalysis::MarkGates(IgcFix& fix) const {
    if (run_.start) {
        if (!run_.noAltitude && fix.correctedAltitude > AboveHome(run_.startGate.top))
            fix.flags.Set(F::kAboveStart);
        fix.distanceToStartCentre = Distance(fix, run_.startGate.centre, kNauticalMiles);
        if (fix.distanceToStartCentre <= run_.startGate.radius)
            fix.flags.Set(F::kInStartCylinder);
    }
    if (run_.finish) {
        if (!run_.noAltitude && run_.start &&
            fix.correctedAltitude < AboveHome(run_.finishGate.base))
            fix.flags.Set(F::kBelowFinish);
        fix.distanceToFinishCentre = Distance(fix, run_.finishGate.centre, kNauticalMiles);
        if (fix.distanceToFinishCentre <= run_.finishGate.radius)
            fix.flags.Set(F::kInFinishCylinder);
    }
}

void FlightAnalysis::MarkTurnpointZones() {
    auto& fixes = Fixes();
    const auto& turnpoints = run_.turnpoints;
    const double margin = run_.turnpointRadius - run_.navpointRadius;
    std::size_t lastSeen = 0;
    run_.closestFixes.assign(turnpoints.size(), -1);
    for (std::size_t k = 0; k < turnpoints.size(); ++k) {
        int& closest = run_.closestFixes[k];
        double nearest = 0;
        const TaskTurnpoint& turnpoint = turnpoints[k];
        const TaskTurnpoint* next = k + 1 < turnpoints.size() ? &turnpoints[k + 1] : nullptr;
        bool seen = false;
        bool flyingMet = false;
        for (std::size_t i = lastSeen + 1; i < fixes.size(); ++i) {
            IgcFix& fix = fixes[i];
            flyingMet = flyingMet || fix.flags.Test(F::kFlying);
            if (!flyingMet)
                continue;
            const double distance = Distance(fix, turnpoint.position, kNauticalMiles);
            if (distance <= turnpoint.radius + margin) {
                // The distance is kept only where the mark is set: nothing reads it elsewhere,
                // and a fix outside every zone then needs no turnpoint slots at all.
                fix.turnpoints.SetDistance(k, distance);
                fix.flags.Set(F::kOuterTurnpointRadius);
                fix.turnpoints.SetMark(k, turnpoint.navpoint.Id());
                if (distance <= turnpoint.radius)
                    fix.flags.Set(F::kAtTurnpoint);
                if (closest < 0 || distance < nearest) {
                    closest = static_cast<int>(i);
                    nearest = distance;
                }
                lastSeen = i;
                seen = true;
            } else if (seen && next &&
                       Distance(fix, next->position, kNauticalMiles) < next->radius + margin) {
                break;
            }
        }
    }
}

} // namespace vantrel
