#pragma once

#include "FlightAnalysis.h"

#include <string>
#include <vector>

// The rows of the results page: label and value texts, in the page's order.
namespace vantrel {

struct ResultRow {
    std::string label;
    std::string value;

    bool operator==(const ResultRow&) const = default;
};

// "%2d  %06.3lf %s  %2d  %06.3lf %s": degrees, minutes and hemisphere of latitude and longitude.
std::string PositionText(const GeoPosition& position);
// A distance as "%6.2lf %s" and a speed as "%6.2lf %s/Hr" in `unit`, with its long name.
std::string DistanceText(double nauticalMiles, int unit);
std::string SpeedText(double knots, int unit);
// The achieved turnpoint ids joined by ",".
std::string AchievedText(const FlightAnalysis& analysis);
// The event times as the page shows them ("%H : %M : %S"), empty where there is none: a roll
// before 1990, no start, no completed task, no landing (or status 0 or 5).
std::string RollTimeText(const FlightAnalysis& analysis);
std::string StartTimeText(const FlightAnalysis& analysis);
std::string FinishTimeText(const FlightAnalysis& analysis);
std::string LandingTimeText(const FlightAnalysis& analysis);
// Whether the landing and furthest-progress rows are shown: not completed, status neither 0
// nor 5.
bool ShowsProgress(const FlightAnalysis& analysis);

// Every row, distances in the analysis's display unit; the notes follow "  Notes:" one a row.
std::vector<ResultRow> ResultRows(const FlightAnalysis& analysis);

// The rows as copied to the clipboard: label, a tab, the value, CR LF.
std::string ResultRowsText(const std::vector<ResultRow>& rows);

} // namespace vantrel
