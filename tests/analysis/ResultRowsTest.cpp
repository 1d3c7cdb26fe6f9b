// The rows of the results page.
#include "analysis/ResultRows.h"

#include "TaskFixture.h"
#include "analysis/TaskDistance.h"
#include "analysis/TimeText.h"

#include <gtest/gtest.h>
#include <regex>

namespace vantrel::test {
namespace {

std::vector<std::string> Labels(const std::vector<ResultRow>& rows) {
    std::vector<std::string> labels;
    for (const auto& row : rows)
        labels.push_back(row.label);
    return labels;
}

std::string Value(const std::vector<ResultRow>& rows, const std::string& label) {
    for (const auto& row : rows) {
        if (row.label == label)
            return row.value;
    }
    ADD_FAILURE() << "no row " << label;
    return {};
}

TEST(ResultRows, CompletedTaskInKilometres) {
    FlightAnalysis flight = CompletedFlight().Build();
    ASSERT_TRUE(flight.Analyse(SiteTask(), SiteNavpoints(), kKilometres));
    const auto rows = ResultRows(flight);
    EXPECT_EQ(Labels(rows), (std::vector<std::string>{"File Name",
                                                      "Date",
                                                      "Pilot",
                                                      "Glider ID",
                                                      "Glider Type",
                                                      "Comp ID",
                                                      "Number of Fixes",
                                                      "Total Flight Time",
                                                      "Task Status",
                                                      "  Distance",
                                                      "  Nominal Task Distance",
                                                      "  Assigned Area Distance",
                                                      "  Time On Course",
                                                      "  Speed",
                                                      "  Roll Time",
                                                      "  Start Time",
                                                      "  Finish Time",
                                                      "  Landing Time",
                                                      "  Acheived Turnpoint ID's",
                                                      "  Notes:"}));
    EXPECT_EQ(Value(rows, "Date"), "February 01, 2004");
    EXPECT_EQ(Value(rows, "Number of Fixes"), std::to_string(flight.FixCount()));
    EXPECT_EQ(Value(rows, "Task Status"), "Completed Task");
    EXPECT_EQ(Value(rows, "  Acheived Turnpoint ID's"), "4,9,12");
    EXPECT_EQ(Value(rows, "  Distance"), DistanceText(ScoredDistance(flight), kKilometres));
    EXPECT_EQ(Value(rows, "  Assigned Area Distance"), "");
    EXPECT_EQ(Value(rows, "  Speed"), SpeedText(*TaskSpeed(flight), kKilometres));
    EXPECT_EQ(Value(rows, "  Time On Course"),
              SpanText(static_cast<long long>(flight.FinishTime() - flight.StartTime())));
    EXPECT_EQ(Value(rows, "  Roll Time"), ClockText(flight.RollTime(), true));
    EXPECT_EQ(Value(rows, "  Finish Time"), ClockText(flight.FinishTime(), true));
    EXPECT_TRUE(
        std::regex_match(Value(rows, "  Finish Time"), std::regex(R"(1[01] : [0-5]\d : [0-5]\d)")));
    EXPECT_EQ(Value(rows, "Total Flight Time"),
              SpanText(static_cast<long long>(flight.LandingTime() - flight.RollTime())));
    EXPECT_EQ(rows.back().label, "  Notes:");
}

TEST(ResultRows, Formats) {
    EXPECT_EQ(SpeedText(60, kKilometres), "111.19 Km/Hr");
    EXPECT_EQ(SpeedText(60, kNauticalMiles), " 60.00 Nm/Hr");
    EXPECT_EQ(DistanceText(10, kStatuteMiles), " 11.52 Miles");
    GeoPosition position;
    position.latitudeDegrees = 51;
    position.latitudeMinutes = 30.5;
    position.south = 0;
    position.longitudeDegrees = 0;
    position.longitudeMinutes = 7.25;
    position.west = 1;
    EXPECT_EQ(PositionText(position), "51  30.500 N   0  07.250 W");
    EXPECT_EQ(ResultRowsText({{"Pilot", "Anna"}, {"", "note"}}), "Pilot\tAnna\r\n\tnote\r\n");
    EXPECT_EQ(DateText({9, 12, 2003}), "December 09, 2003");
}

TEST(ResultRows, IncompleteTaskShowsLandingAndProgress) {
    FlightBuilder builder = TakeOff();
    Via(builder, kAlpha);
    builder.FlyTo(51.3, 1.4, 50, 330).Wait(120);
    FlightAnalysis flight = builder.Build();
    ASSERT_TRUE(flight.Analyse(SiteTask(), SiteNavpoints(), kNauticalMiles));
    const auto rows = ResultRows(flight);
    EXPECT_EQ(Value(rows, "Task Status"), "Incomplete");
    EXPECT_EQ(Value(rows, "  Landing Location"), PositionText(flight.LandingPosition()));
    EXPECT_EQ(Value(rows, "  Furthest Progress"), PositionText(flight.FurthestProgressPosition()));
    EXPECT_EQ(Value(rows, "  Landing Location").substr(0, 12), "51  18.000 N");
    EXPECT_EQ(Value(rows, "  Finish Time"), "");
    EXPECT_EQ(Value(rows, "  Time On Course"), "");
    EXPECT_EQ(Value(rows, "  Speed"), "");
    EXPECT_NE(Value(rows, "  Landing Time"), "");
    EXPECT_EQ(Value(rows, "  Acheived Turnpoint ID's"), "4");
}

// A failed analysis leaves its status and note; times never read as zero.
TEST(ResultRows, EmptyValues) {
    FlightAnalysis flight = CompletedFlight().Build();
    navpoints::NavpointList noHome = SiteNavpoints();
    noHome.Remove(1);
    EXPECT_FALSE(flight.Analyse(SiteTask(), noHome, kNauticalMiles));
    const auto rows = ResultRows(flight);
    EXPECT_EQ(Value(rows, "Task Status"), "Not Analyzed");
    for (const char* label : {"Total Flight Time", "  Roll Time", "  Start Time", "  Finish Time",
                              "  Landing Time", "  Acheived Turnpoint ID's", "  Speed"})
        EXPECT_EQ(Value(rows, label), "") << label;
    EXPECT_EQ(rows.back().value.substr(0, 24), "No control point has the");

    // A flight without a date lies in 1970: its roll is before 1990 and not shown.
    FlightBuilder undated(kHome.latitude, kHome.longitude, 330, {1, 1, 1970});
    undated.Wait(60);
    Via(undated, kStart);
    Via(undated, kAlpha);
    FlightAnalysis old = undated.Build();
    ASSERT_TRUE(old.Analyse(SiteTask({4}), SiteNavpoints(), kNauticalMiles));
    EXPECT_GT(old.RollTime(), 0);
    EXPECT_EQ(Value(ResultRows(old), "  Roll Time"), "");
    EXPECT_EQ(Value(ResultRows(old), "Date"), "January 01, 1970");
    EXPECT_STREQ(StatusText(6), "Not Analyzed");
    EXPECT_STREQ(StatusText(5), "Not a Contestant");
    EXPECT_STREQ(StatusText(7), "No Data in Flight Log, ");
}

} // namespace
} // namespace vantrel::test
