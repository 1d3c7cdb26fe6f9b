#pragma once

#include "FlightAnalysis.h"

#include <array>
#include <string>
#include <vector>

// The review list of an analysed flight: one row per fix and event rows before the fixes where
// the events happen.
namespace vantrel {

struct ReviewColumn {
    std::string title;
    int width;
};
// "Point", "Time", "Status", "Speed (kt)", "Altitude (ft)", … with their widths, the unit
// names as the display units give them.
std::vector<ReviewColumn> ReviewColumns(int distanceUnit, int altitudeUnit);

// The turnpoint id text of a fix ("Assigned Area Point ", "At %d ", "%d "), empty without a
// mark; and its turnpoint distances ("%6.3lf" joined by ",  ").
std::string TurnpointIdText(const IgcFix& fix);
std::string TurnpointDistanceText(const IgcFix& fix, int distanceUnit);

// The events the list marks, in the order they are placed before a fix.
enum class ReviewEvent {
    TaskOpen,
    Rolled,
    Start,
    Arrival,
    Gap,
    FurthestProgress,
    Finish,
    Landed,
};

struct ReviewRow {
    // A fix row holds the fix's index and its 11 column texts; an event row holds its event
    // and text in the first column, the fix it stands before and empty other columns.
    bool event = false;
    ReviewEvent kind = ReviewEvent::Rolled;
    int fix = 0;
    std::array<std::string, 11> columns;
};

// Every row of the list, distances and speeds in `distanceUnit`, altitudes in `altitudeUnit`.
std::vector<ReviewRow> ReviewRows(const FlightAnalysis& analysis, int distanceUnit,
                                  int altitudeUnit);

// The caption of the review dialog.
std::string ReviewTitle(const FlightAnalysis& analysis);

} // namespace vantrel
