#include "ResultRows.h"

#include "TaskDistance.h"
#include "TimeText.h"
#include "document/Units.h"
#include "navpoints/NumberText.h"

#include <cstdio>

namespace vantrel {
namespace {

// 1 January 1990, 00:00 UTC: rolls before it were never found.
constexpr std::time_t kEarliestRoll = 631152000;

std::string EventText(std::time_t time) {
    return time == 0 ? std::string() : ClockText(time, true);
}

std::string TotalFlightTime(const FlightAnalysis& analysis) {
    const std::time_t roll = analysis.RollTime();
    const std::time_t landing = analysis.LandingTime();
    if (roll == 0 || landing == 0 || landing < roll)
        return {};
    return SpanText(static_cast<long long>(landing - roll));
}

} // namespace

std::string DistanceText(double nauticalMiles, int unit) {
    return navpoints::FixedText(ConvertDistance(nauticalMiles, kNauticalMiles, unit), 2, 6) + " " +
           DistanceUnitName(unit);
}

std::string SpeedText(double knots, int unit) {
    return DistanceText(knots, unit) + "/Hr";
}

std::string PositionText(const GeoPosition& position) {
    char text[96];
    std::snprintf(text, sizeof text, "%2d  %s %s  %2d  %s %s", position.latitudeDegrees,
                  navpoints::FixedText(position.latitudeMinutes, 3, 6, true).c_str(),
                  position.south == 1 ? "S" : "N", position.longitudeDegrees,
                  navpoints::FixedText(position.longitudeMinutes, 3, 6, true).c_str(),
                  position.west == 1 ? "W" : "E");
    return text;
}

std::string AchievedText(const FlightAnalysis& analysis) {
    std::string text;
    for (const int id : analysis.AchievedIds())
        text += (text.empty() ? "" : ",") + std::to_string(id);
    return text;
}

std::string RollTimeText(const FlightAnalysis& analysis) {
    return analysis.RollTime() < kEarliestRoll ? std::string() : EventText(analysis.RollTime());
}

std::string StartTimeText(const FlightAnalysis& analysis) {
    return analysis.Started() ? EventText(analysis.StartTime()) : std::string();
}

std::string FinishTimeText(const FlightAnalysis& analysis) {
    return analysis.Completed() ? EventText(analysis.FinishTime()) : std::string();
}

std::string LandingTimeText(const FlightAnalysis& analysis) {
    const int status = analysis.Status();
    const bool shown = status != static_cast<int>(TaskStatus::NotAnalysed) &&
                       status != static_cast<int>(TaskStatus::NotContestant);
    return shown ? EventText(analysis.LandingTime()) : std::string();
}

bool ShowsProgress(const FlightAnalysis& analysis) {
    const int status = analysis.Status();
    return !analysis.Completed() && status != static_cast<int>(TaskStatus::NotAnalysed) &&
           status != static_cast<int>(TaskStatus::NotContestant);
}

std::vector<ResultRow> ResultRows(const FlightAnalysis& analysis) {
    const int unit = analysis.DisplayUnit();
    const auto& header = analysis.Header();
    const auto assignedArea = AssignedAreaDistance(analysis);
    const auto taskTime = TaskTimeSeconds(analysis);
    const auto speed = TaskSpeed(analysis);
    std::vector<ResultRow> rows{
        {"File Name", analysis.Path().string()},
        {"Date", DateText(analysis.Date())},
        {"Pilot", header.pilot},
        {"Glider ID", header.gliderId},
        {"Glider Type", header.gliderType},
        {"Comp ID", header.competitionId},
        {"Number of Fixes", std::to_string(analysis.FixCount())},
        {"Total Flight Time", TotalFlightTime(analysis)},
        {"Task Status", analysis.StatusText()},
        {"  Distance", DistanceText(ScoredDistance(analysis), unit)},
        {"  Nominal Task Distance", DistanceText(NominalDistance(analysis), unit)},
        {"  Assigned Area Distance", assignedArea ? DistanceText(*assignedArea, unit) : ""},
        {"  Time On Course", taskTime ? SpanText(*taskTime) : ""},
        {"  Speed", speed ? SpeedText(*speed, unit) : ""},
    };
    if (ShowsProgress(analysis)) {
        const bool landed = analysis.LandingFix() >= 0;
        rows.push_back(
            {"  Landing Location", landed ? PositionText(analysis.LandingPosition()) : ""});
        rows.push_back(
            {"  Furthest Progress", landed || analysis.FurthestProgressFix() >= 0
                                        ? PositionText(analysis.FurthestProgressPosition())
                                        : ""});
    }
    rows.push_back({"  Roll Time", RollTimeText(analysis)});
    rows.push_back({"  Start Time", StartTimeText(analysis)});
    rows.push_back({"  Finish Time", FinishTimeText(analysis)});
    rows.push_back({"  Landing Time", LandingTimeText(analysis)});
    rows.push_back({"  Acheived Turnpoint ID's", AchievedText(analysis)});
    rows.push_back({"  Notes:", ""});
    for (const auto& note : analysis.Notes())
        rows.push_back({"", note});
    return rows;
}

std::string ResultRowsText(const std::vector<ResultRow>& rows) {
    std::string text;
    for (const auto& row : rows)
        text += row.label + "\t" + row.value + "\r\n";
    return text;
}

} // namespace vantrel
