#include "ReviewRows.h"

#include "ResultRows.h"
#include "TimeText.h"
#include "document/Units.h"
#include "navpoints/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {
namespace {

using F = FixFlags;

constexpr std::size_t kShownMarks = 12;

struct PlacedEvent {
    ReviewEvent kind;
    int fix; // the event row stands before this fix; FixCount() places it at the end
};

std::string EventText(ReviewEvent kind, const FlightAnalysis& analysis) {
    const bool startCylinder = analysis.StartGate().IsCylinder() && analysis.StartGate().inUse;
    const bool finishCylinder = analysis.FinishGate().IsCylinder() && analysis.FinishGate().inUse;
    switch (kind) {
    case ReviewEvent::TaskOpen:
        return " *** TASK NOW OPEN ***";
    case ReviewEvent::Rolled:
        return " *** ROLLED ***";
    case ReviewEvent::Start:
        return startCylinder ? " *** START ***" : " *** CROSSED START LINE ***";
    case ReviewEvent::Arrival:
        return " *** Arrived at Turnpoint ***";
    case ReviewEvent::Gap:
        return " *** GAP ***";
    case ReviewEvent::FurthestProgress:
        return " *** FURTHEST PROGRESS ***";
    case ReviewEvent::Finish:
        return finishCylinder ? " *** FINISHED ***" : " *** CROSSED FINISH LINE ***";
    case ReviewEvent::Landed:
        return " *** LANDED ***";
    }
    return {};
}

// Where each event stands: before the first fix after its time, or at the fix that carries it.
std::vector<PlacedEvent> PlaceEvents(const FlightAnalysis& analysis) {
    const auto& fixes = analysis.Fixes();
    const int count = analysis.FixCount();
    const auto afterTime = [&](std::time_t time) {
        const auto next =
            std::upper_bound(fixes.begin(), fixes.end(), time,
                             [](std::time_t t, const IgcFix& fix) { return t < fix.time; });
        return static_cast<int>(next - fixes.begin());
    };
    std::vector<PlacedEvent> events;
    if (analysis.TaskOpenTime() != 0)
        events.push_back({ReviewEvent::TaskOpen, afterTime(analysis.TaskOpenTime())});
    if (analysis.RollTime() != 0)
        events.push_back({ReviewEvent::Rolled, afterTime(analysis.RollTime())});
    if (analysis.StartFix() >= 0)
        events.push_back({ReviewEvent::Start, analysis.StartFix()});
    for (int i = 0; i < count; ++i) {
        const FixFlags flags = fixes[static_cast<std::size_t>(i)].flags;
        if (flags.Test(F::kArrival))
            events.push_back({ReviewEvent::Arrival, i});
        if (flags.Test(F::kGapInTrace))
            events.push_back({ReviewEvent::Gap, i});
    }
    if (analysis.FurthestProgressFix() >= 0)
        events.push_back({ReviewEvent::FurthestProgress, analysis.FurthestProgressFix()});
    if (analysis.FinishFix() >= 0)
        events.push_back({ReviewEvent::Finish, analysis.FinishFix()});
    if (analysis.LandingFix() >= 0)
        events.push_back({ReviewEvent::Landed, analysis.LandingFix()});
    std::stable_sort(events.begin(), events.end(),
                     [](const PlacedEvent& a, const PlacedEvent& b) { return a.fix < b.fix; });
    return events;
}

std::string Number(double value, int precision, int width) {
    return navpoints::FixedText(value, precision, width);
}

std::array<std::string, 11> FixColumns(const FlightAnalysis& analysis, int index, int distanceUnit,
                                       int altitudeUnit) {
    const IgcFix& fix = analysis.Fixes()[static_cast<std::size_t>(index)];
    const auto inUnit = [&](double nauticalMiles) {
        return ConvertDistance(nauticalMiles, kNauticalMiles, distanceUnit);
    };
    const auto altitude = static_cast<std::int16_t>(
        std::clamp(fix.correctedAltitude, static_cast<std::int32_t>(INT16_MIN),
                   static_cast<std::int32_t>(INT16_MAX)));
    return {std::to_string(index),
            ClockText(fix.time),
            analysis.FixStateText(index),
            Number(inUnit(fix.groundSpeed), 1, 4),
            Number(ConvertAltitude(altitude, kFeet, altitudeUnit), 0, 0),
            Number(inUnit(fix.accuracy), 3, 6),
            TurnpointIdText(fix),
            TurnpointDistanceText(fix, distanceUnit),
            Number(inUnit(fix.distanceToStartCentre), 2, 6),
            Number(inUnit(fix.distanceToFinishCentre), 2, 6),
            PositionText(fix)};
}

} // namespace

std::vector<ReviewColumn> ReviewColumns(int distanceUnit, int altitudeUnit) {
    const std::string distance = std::string(" (") + ShortDistanceUnitName(distanceUnit) + ")";
    return {{"Point", 50},
            {"Time", 80},
            {"Status", 200},
            {std::string("Speed ") + SpeedUnitSuffix(distanceUnit), 60},
            {std::string("Altitude (") + AltitudeUnitName(altitudeUnit) + ")", 75},
            {"Accuracy", 75},
            {"ID Turnpoint", 75},
            {"Turnpoint Dist" + distance, 75},
            {"Start Dist." + distance, 65},
            {"Finish Dist" + distance, 65},
            {"Location", 195}};
}

std::string TurnpointIdText(const IgcFix& fix) {
    std::vector<int> marks;
    bool anyMark = false;
    for (std::size_t k = 0; k < TurnpointSlots::kCount; ++k) {
        const int mark = fix.turnpoints.Mark(k);
        anyMark = anyMark || mark >= 0;
        if (mark >= 0 && k < kShownMarks)
            marks.push_back(mark);
    }
    if (!anyMark)
        return {};
    std::string text = fix.flags.Test(F::kTurnAreaTurnpoint) ? "Assigned Area Point " : "";
    const bool at = fix.flags.Test(F::kAtTurnpoint) && marks.size() == 1;
    for (const int mark : marks)
        text +=
            (text.empty() ? "" : ", ") + std::string(at ? "At " : "") + std::to_string(mark) + " ";
    return text;
}

std::string TurnpointDistanceText(const IgcFix& fix, int distanceUnit) {
    std::string text;
    for (std::size_t k = 0; k < kShownMarks; ++k) {
        if (fix.turnpoints.Mark(k) < 0)
            continue;
        text +=
            (text.empty() ? "" : ",  ") +
            Number(ConvertDistance(fix.turnpoints.Distance(k), kNauticalMiles, distanceUnit), 3, 6);
    }
    return text;
}

std::vector<ReviewRow> ReviewRows(const FlightAnalysis& analysis, int distanceUnit,
                                  int altitudeUnit) {
    const auto events = PlaceEvents(analysis);
    std::vector<ReviewRow> rows;
    rows.reserve(static_cast<std::size_t>(analysis.FixCount()) + events.size());
    auto event = events.begin();
    for (int i = 0; i <= analysis.FixCount(); ++i) {
        for (; event != events.end() && event->fix == i; ++event) {
            ReviewRow row{true, event->kind, i, {}};
            row.columns[0] = EventText(event->kind, analysis);
            rows.push_back(std::move(row));
        }
        if (i < analysis.FixCount())
            rows.push_back({false, ReviewEvent::Rolled, i,
                            FixColumns(analysis, i, distanceUnit, altitudeUnit)});
    }
    return rows;
}

std::string ReviewTitle(const FlightAnalysis& analysis) {
    return "Flight Analysis for " + analysis.Path().filename().string();
}

} // namespace vantrel
