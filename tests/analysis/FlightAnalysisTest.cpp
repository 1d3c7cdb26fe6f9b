// The analysis engine on synthetic flights, one scenario per rule.
#include "CaseName.h"
#include "TaskFixture.h"
#include "analysis/FixSearch.h"
#include "analysis/TaskDistance.h"
#include "analysis/TimeText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace vantrel::test {
namespace {

using F = FixFlags;

int CountWith(const FlightAnalysis& flight, std::uint32_t flags) {
    return static_cast<int>(
        std::count_if(flight.Fixes().begin(), flight.Fixes().end(),
                      [&](const IgcFix& fix) { return fix.flags.Test(flags); }));
}

bool HasNote(const FlightAnalysis& flight, const std::string& text) {
    return std::any_of(flight.Notes().begin(), flight.Notes().end(), [&](const std::string& note) {
        return note.find(text) != std::string::npos;
    });
}

FlightAnalysis Analysed(const FlightBuilder& builder, const AnalysisTask& task = SiteTask(),
                        int unit = kNauticalMiles) {
    FlightAnalysis flight = builder.Build();
    EXPECT_TRUE(flight.Analyse(task, SiteNavpoints(), unit));
    return flight;
}

TEST(FlightAnalysis, CompletedTask) {
    FlightBuilder builder = TakeOff();
    const std::time_t atStart = builder.Time();
    Via(builder, kAlpha);
    Via(builder, kBravo);
    Via(builder, kCharlie);
    builder.FlyTo(kFinish.latitude, kFinish.longitude, 50, 1000);
    const std::time_t atFinish = builder.Time();
    builder.FlyTo(kHome.latitude, kHome.longitude, 50, 330).Wait(120);
    const FlightAnalysis flight = Analysed(builder);

    EXPECT_EQ(flight.Status(), static_cast<int>(TaskStatus::Completed));
    EXPECT_EQ(flight.AchievedIds(), (std::vector<int>{4, 9, 12}));
    // Left the 2 nm cylinder flying north at 50 kt; entered the 1 nm finish cylinder.
    EXPECT_NEAR(static_cast<double>(flight.StartTime() - atStart), 2.0 / 50 * 3600, 2);
    EXPECT_NEAR(static_cast<double>(atFinish - flight.FinishTime()), 1.0 / 50 * 3600, 2);
    EXPECT_LT(flight.RollTime(), atStart);
    EXPECT_GT(flight.RollTime(), builder.Build().Fixes().front().time);
    EXPECT_GT(flight.LandingTime(), atFinish);

    const double legs = PathMiles({kStart, kAlpha, kBravo, kCharlie, kFinish});
    EXPECT_NEAR(ScoredDistance(flight), legs - 2.0 - 1.0, 1e-9);
    EXPECT_NEAR(NominalDistance(flight), legs - 3.0, 1e-9);
    EXPECT_FALSE(AssignedAreaDistance(flight));
    const auto seconds = TaskTimeSeconds(flight);
    ASSERT_TRUE(seconds);
    EXPECT_EQ(*seconds, flight.FinishTime() - flight.StartTime());
    EXPECT_NEAR(*TaskSpeed(flight), (legs - 3.0) / (*seconds / 3600.0), 1e-9);
    EXPECT_EQ(CountWith(flight, F::kArrival), 3);
    EXPECT_EQ(CountWith(flight, F::kFinished), 1);
    EXPECT_EQ(CountWith(flight, F::kFurthestProgress), 0);
    EXPECT_TRUE(flight.Notes().empty()) << flight.Notes().front();
}

TEST(FlightAnalysis, IncompleteTaskScoresFurthestProgress) {
    FlightBuilder builder = TakeOff();
    Via(builder, kAlpha);
    Via(builder, kBravo);
    const Place outlanding{51.15, 1.6}; // halfway to Charlie
    builder.FlyTo(outlanding.latitude, outlanding.longitude, 50, 330).Wait(120);
    const FlightAnalysis flight = Analysed(builder);

    EXPECT_EQ(flight.Status(), static_cast<int>(TaskStatus::Incomplete));
    EXPECT_EQ(flight.AchievedIds(), (std::vector<int>{4, 9}));
    ASSERT_GE(flight.FurthestProgressFix(), 0);
    EXPECT_NEAR(Distance(flight.FurthestProgressPosition(),
                         GeoPosition::At(outlanding.latitude, outlanding.longitude),
                         kNauticalMiles),
                0, 0.01);
    EXPECT_NEAR(Distance(flight.LandingPosition(),
                         GeoPosition::At(outlanding.latitude, outlanding.longitude),
                         kNauticalMiles),
                0, 0.1);
    const double expected = PathMiles({kStart, kAlpha, kBravo}) - 2.0 +
                            NauticalMiles(kBravo, kCharlie) - NauticalMiles(outlanding, kCharlie);
    EXPECT_NEAR(ScoredDistance(flight), expected, 0.01);
    EXPECT_FALSE(TaskTimeSeconds(flight));
    EXPECT_FALSE(TaskSpeed(flight));
    EXPECT_EQ(CountWith(flight, F::kFurthestProgress), 1);
}

// Two areas of 5 nm: the trace turns on each area's far edge, and the optimisation takes those
// turns.
TEST(FlightAnalysis, AssignedAreaPointsOnTheAreaEdges) {
    AnalysisTask task = SiteTask({4, 9});
    task.taskType = AnalysisTask::kAssignedArea;
    task.assignedRadii = {5, 5};
    const Place northEdge{kAlpha.latitude + 4.99 / 60, kAlpha.longitude};
    const double eastDegrees = 4.99 / 60 / std::cos(kBravo.latitude * 0.017453292519444445);
    const Place eastEdge{kBravo.latitude, kBravo.longitude + eastDegrees};
    FlightBuilder builder = TakeOff();
    Via(builder, northEdge);
    Via(builder, kBravo);
    Via(builder, eastEdge);
    Land(builder);
    const FlightAnalysis flight = Analysed(builder, task);

    EXPECT_EQ(flight.Status(), static_cast<int>(TaskStatus::Completed));
    const auto& points = flight.AssignedAreaPoints();
    ASSERT_EQ(points.size(), 4u);
    const auto near = [](const GeoPosition& point, Place place) {
        return Distance(point, GeoPosition::At(place.latitude, place.longitude), kNauticalMiles);
    };
    EXPECT_LT(near(points[1], northEdge), 0.01);
    EXPECT_LT(near(points[2], eastEdge), 0.01);
    EXPECT_NEAR(near(points[1], kAlpha), 5.0, 0.02);
    EXPECT_NEAR(near(points[2], kBravo), 5.0, 0.02);
    EXPECT_EQ(CountWith(flight, F::kTurnAreaTurnpoint), 2);
    const double expected = PathMiles({kStart, northEdge, eastEdge, kFinish}) - 3.0;
    ASSERT_TRUE(AssignedAreaDistance(flight));
    EXPECT_NEAR(*AssignedAreaDistance(flight), expected, 0.02);
    EXPECT_NEAR(NominalDistance(flight), PathMiles({kStart, kAlpha, kBravo, kFinish}) - 3.0, 1e-9);
}

// How a flight leaves the start gate decides whether it started there.
struct StartCase {
    const char* name;
    Gate gate;
    // The part of the flight from the start centre on; it ends near Alpha.
    void (*fly)(FlightBuilder&);
    bool startedAtGate;
    const char* note;
    friend void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }
};

Gate Cylinder() {
    return SiteTask().startGate;
}

Gate Line(double heading, bool perpendicular) {
    Gate gate = SiteTask().startGate;
    gate.type = Gate::kLine;
    gate.heading = heading;
    gate.perpendicular = perpendicular;
    return gate;
}

class StartGates : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartGates, StartOrFallback) {
    const StartCase& c = GetParam();
    AnalysisTask task = SiteTask({4});
    task.startGate = c.gate;
    task.startGate.centreId = 2;
    FlightBuilder builder(kHome.latitude, kHome.longitude);
    builder.Wait(60).FlyTo(kStart.latitude - 0.05, kStart.longitude, 50, 3000);
    c.fly(builder);
    Via(builder, kAlpha);
    Land(builder);
    const FlightAnalysis flight = Analysed(builder, task);

    EXPECT_EQ(flight.Started(), true);
    EXPECT_EQ(CountWith(flight, F::kStarted) > 0, c.startedAtGate);
    EXPECT_EQ(HasNote(flight, c.note), c.note[0] != '\0') << c.note;
    ASSERT_GE(flight.StartFix(), 0);
    EXPECT_TRUE(
        flight.Fixes()[static_cast<std::size_t>(flight.StartFix())].flags.Test(F::kLatestStart));
    EXPECT_EQ(flight.Status(), static_cast<int>(TaskStatus::Completed));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartGates,
    ::testing::Values(
        StartCase{"CylinderLeftThroughSide", Cylinder(),
                  [](FlightBuilder& f) { f.FlyTo(kStart.latitude, kStart.longitude, 50, 3000); },
                  true, ""},
        StartCase{"CylinderClimbedOutOfTop", Cylinder(),
                  [](FlightBuilder& f) {
                      f.FlyTo(kStart.latitude, kStart.longitude, 50, 3000)
                          .FlyTo(kStart.latitude + 0.5 / 60, kStart.longitude, 50, 6000)
                          .FlyTo(kAlpha.latitude, kAlpha.longitude, 50, 6000);
                  },
                  true, ""},
        StartCase{"CylinderNeverEntered", Cylinder(),
                  [](FlightBuilder& f) {
                      f.FlyTo(kStart.latitude - 0.05, kStart.longitude + 0.1, 50, 3000);
                  },
                  false, "No valid fixes inside the start cylinder, used closest point."},
        StartCase{"LineCrossedInItsDirection", Line(0, false),
                  [](FlightBuilder& f) { f.FlyTo(kStart.latitude, kStart.longitude, 50, 3000); },
                  true, ""},
        StartCase{"PerpendicularLineTurnedToTheCourse", Line(180, true),
                  [](FlightBuilder& f) { f.FlyTo(kStart.latitude, kStart.longitude, 50, 3000); },
                  true, ""},
        StartCase{"LineCrossedAgainstItsDirection", Line(180, false),
                  [](FlightBuilder& f) { f.FlyTo(kStart.latitude, kStart.longitude, 50, 3000); },
                  false, "No valid start line crossing, used roll time."}),
    korlink::test::CaseName());

TEST(FlightAnalysis, StartTimeByAltitudeWhenClimbingOutOfTheTop) {
    AnalysisTask task = SiteTask({4});
    FlightBuilder builder = TakeOff();
    builder.FlyTo(kStart.latitude + 0.5 / 60, kStart.longitude, 50, 6000);
    Via(builder, kAlpha, 6000);
    Land(builder);
    const FlightAnalysis flight = Analysed(builder, task);
    const int start = flight.StartFix();
    ASSERT_GE(start, 1);
    const IgcFix& fix = flight.Fixes()[static_cast<std::size_t>(start)];
    const IgcFix& previous = flight.Fixes()[static_cast<std::size_t>(start) - 1];
    EXPECT_TRUE(fix.flags.Test(F::kStarted | F::kInStartCylinder | F::kAboveStart));
    const int top = 328 + 5000;
    ASSERT_LE(previous.correctedAltitude, top);
    ASSERT_GT(fix.correctedAltitude, top);
    const double fraction = static_cast<double>(top - previous.correctedAltitude) /
                            (fix.correctedAltitude - previous.correctedAltitude);
    EXPECT_EQ(flight.StartTime(),
              previous.time + static_cast<std::time_t>(
                                  std::floor((fix.time - previous.time) * fraction + 0.5)));
}

// A single turnpoint passed short of its navpoint radius, inside the turnpoint radius.
struct PenaltyCase {
    const char* name;
    double shortMiles; // statute miles beyond the navpoint radius
    const char* note;
    friend void PrintTo(const PenaltyCase& c, std::ostream* out) { *out << c.name; }
};

class TurnpointPenalty : public ::testing::TestWithParam<PenaltyCase> {};

TEST_P(TurnpointPenalty, ClosestFixGivesThePenalty) {
    AnalysisTask task = SiteTask({4});
    task.turnpointRadius = 3.0;
    const double closest = 0.25 + GetParam().shortMiles * 0.8683906907907758;
    FlightBuilder builder = TakeOff();
    builder.FlyTo(kAlpha.latitude - closest / 60, kAlpha.longitude, 50, 3000);
    Land(builder);
    const FlightAnalysis flight = Analysed(builder, task, kStatuteMiles);
    EXPECT_EQ(flight.AchievedIds(), std::vector<int>{4});
    EXPECT_EQ(CountWith(flight, F::kAtTurnpoint), 0);
    ASSERT_EQ(flight.Notes().size(), 1u);
    EXPECT_EQ(flight.Notes()[0], GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TurnpointPenalty,
    ::testing::Values(
        PenaltyCase{"TenthOfAMile", 0.1,
                    "Closest fix was   0.39 Miles from turnpoint: ALPHA.  Recommend penalty of "
                    "35 points"},
        PenaltyCase{"TwoMiles", 2.0,
                    "Closest fix was   2.29 Miles from turnpoint: ALPHA.  Recommend penalty of "
                    "125 points"}),
    korlink::test::CaseName());

TEST(FlightAnalysis, GapsOfMoreThanFifteenMinutesInTheHour) {
    struct Case {
        int seconds;
        bool noted;
    };
    for (const Case c : {Case{18 * 60, true}, Case{70 * 60, false}}) {
        FlightBuilder builder = TakeOff();
        Via(builder, kAlpha);
        const std::time_t before = builder.Time();
        builder.JumpTo(kBravo.latitude, kBravo.longitude, c.seconds);
        Via(builder, kCharlie);
        Land(builder);
        const FlightAnalysis flight = Analysed(builder);
        const std::string note = ClockText(before) + " - A gap in the trace of " +
                                 SpanText(c.seconds) + " was detected.";
        EXPECT_EQ(HasNote(flight, note), c.noted) << note;
        EXPECT_EQ(CountWith(flight, F::kGapInTrace), c.noted ? 1 : 0);
    }
    EXPECT_EQ(SpanText(18 * 60), "00:18:00");
}

TEST(FlightAnalysis, HighAltitudeNotedOnce) {
    FlightBuilder builder = TakeOff();
    Via(builder, kAlpha, 18000);
    Via(builder, kBravo, 10000);
    Via(builder, kCharlie, 18000);
    Land(builder);
    const FlightAnalysis flight = Analysed(builder);
    const auto first =
        std::find_if(flight.Fixes().begin(), flight.Fixes().end(),
                     [](const IgcFix& fix) { return fix.correctedAltitude > 17500; });
    ASSERT_NE(first, flight.Fixes().end());
    EXPECT_EQ(std::count_if(flight.Notes().begin(), flight.Notes().end(),
                            [](const std::string& note) {
                                return note.find("Altitude exceeded 17500ft.") != std::string::npos;
                            }),
              1);
    EXPECT_EQ(flight.Notes().front(), ClockText(first->time) + " - Altitude exceeded 17500ft.");
}

TEST(FlightAnalysis, NothingFasterThanTenMilesAnHourNeverFlies) {
    FlightBuilder builder(kHome.latitude, kHome.longitude);
    builder.Wait(60).FlyTo(kStart.latitude, kStart.longitude, 8.6, 330).Wait(60);
    const FlightAnalysis flight = Analysed(builder);
    EXPECT_EQ(CountWith(flight, F::kFlying), 0);
    EXPECT_EQ(flight.Status(), static_cast<int>(TaskStatus::DidNotStart));
    EXPECT_FALSE(flight.Started());
    EXPECT_EQ(flight.StartFix(), -1);
    EXPECT_EQ(flight.LandingTime(), 0);
    EXPECT_EQ(ScoredDistance(flight), 0.0);
}

// With one pressure altitude throughout, only speed tells landing, and the gate heights are not
// tested: a 6 kt crawl is no landing, and a start top below and a finish base above the trace
// mark nothing.
TEST(FlightAnalysis, ConstantPressureAltitudeUsesSpeedOnly) {
    for (const bool constant : {true, false}) {
        AnalysisTask task = SiteTask({4});
        task.startGate.top = -1000;
        task.finishGate.base = 5000;
        FlightBuilder builder(kHome.latitude, kHome.longitude, constant ? 330 : 331);
        builder.Wait(4).FlyTo(kHome.latitude, kHome.longitude + 0.001, 50, 330);
        Via(builder, kStart, 330);
        Via(builder, kAlpha, 330);
        builder.FlyTo(kAlpha.latitude, kAlpha.longitude + 0.05, 6, 330);
        const std::size_t crawlEnd = builder.Count() - 1;
        builder.Wait(120);
        const FlightAnalysis flight = Analysed(builder, task);
        const IgcFix& crawling = flight.Fixes()[crawlEnd - 10];
        EXPECT_EQ(crawling.flags.Test(F::kLanded), !constant);
        EXPECT_EQ(CountWith(flight, F::kAboveStart) == 0, constant);
        EXPECT_EQ(CountWith(flight, F::kBelowFinish) == 0, constant);
    }
}

TEST(FlightAnalysis, EngineNoiseAboveThreeTimesTheMeanIsMotor) {
    FlightBuilder builder(kHome.latitude, kHome.longitude);
    builder.Engine(200).Wait(60);
    Via(builder, kStart).Engine(0);
    Via(builder, kAlpha);
    Land(builder);
    const FlightAnalysis flight = Analysed(builder);
    for (const IgcFix& fix : flight.Fixes())
        EXPECT_EQ(fix.flags.Test(F::kMotorOn), fix.engineNoiseLevel == 200);
}

// The checks before the run, and flights the searches must survive.
TEST(FlightAnalysis, ChecksAndDegenerateFlights) {
    const auto navpoints = SiteNavpoints();
    FlightAnalysis empty;
    EXPECT_FALSE(empty.Analyse(SiteTask(), navpoints, 1));
    EXPECT_EQ(empty.Status(), 7);
    EXPECT_EQ(empty.Notes(), std::vector<std::string>{
                                 "There were no data points in the flight log, or the program "
                                 "encountered an error reading the IGC file."});

    FlightAnalysis flight = TakeOff().Build();
    EXPECT_FALSE(flight.Analyse(SiteTask({}), navpoints, 1));
    EXPECT_EQ(flight.Status(), 1);
    EXPECT_EQ(flight.Notes(), std::vector<std::string>{"No Task has been specified."});

    navpoints::NavpointList noHome = navpoints;
    noHome.Remove(1);
    EXPECT_FALSE(flight.Analyse(SiteTask(), noHome, 1));
    EXPECT_EQ(flight.Status(), 0);
    EXPECT_EQ(flight.Notes(),
              std::vector<std::string>{"No control point has the \"H\" (home) attribute set.\n "
                                       "Cannot perform an analysis without the home control "
                                       "point defned."});

    FlightBuilder single(kHome.latitude, kHome.longitude);
    FlightAnalysis one = single.Build();
    EXPECT_TRUE(one.Analyse(SiteTask(), navpoints, 1));
    EXPECT_EQ(one.Status(), 2);

    // Fixes all at one time, moving fast: no division by a zero time step.
    FlightBuilder still = TakeOff();
    Via(still, kAlpha);
    FlightAnalysis sameTime = still.Build();
    for (IgcFix& fix : sameTime.Fixes())
        fix.time = sameTime.Fixes().front().time;
    EXPECT_TRUE(sameTime.Analyse(SiteTask(), navpoints, 1));
    for (const IgcFix& fix : sameTime.Fixes())
        EXPECT_TRUE(std::isfinite(fix.groundSpeed) && std::isfinite(fix.climbRate));

    // Gate values a configuration file may hold: heights at the ends of their range, a radius
    // that is no number.
    AnalysisTask extreme = SiteTask();
    extreme.startGate.top = std::numeric_limits<std::int32_t>::max();
    extreme.finishGate.base = std::numeric_limits<std::int32_t>::min();
    extreme.finishGate.radius = std::numeric_limits<double>::quiet_NaN();
    FlightAnalysis odd = CompletedFlight().Build();
    EXPECT_TRUE(odd.Analyse(extreme, navpoints, 1));
    EXPECT_EQ(odd.Status(), 3); // never inside a finish cylinder without a radius

    // Turnpoints never reached, one not in the list at all: incomplete, nothing achieved.
    FlightBuilder local = TakeOff();
    local.FlyTo(kStart.latitude - 0.1, kStart.longitude, 50, 3000).Wait(120);
    FlightAnalysis nowhere = local.Build();
    EXPECT_TRUE(nowhere.Analyse(SiteTask({77, 9, 12}), navpoints, 1));
    EXPECT_EQ(nowhere.Turnpoints().size(), 2u);
    EXPECT_EQ(nowhere.Status(), 3);
    EXPECT_TRUE(nowhere.AchievedIds().empty());
    EXPECT_GE(nowhere.FurthestProgressFix(), 0);
}

TEST(FlightAnalysis, RerunStartsFromTheReset) {
    FlightBuilder builder = TakeOff();
    Via(builder, kAlpha);
    Land(builder);
    FlightAnalysis flight = builder.Build();
    ASSERT_TRUE(flight.Analyse(SiteTask({4}), SiteNavpoints(), 1));
    const auto flags = [&] {
        std::vector<std::uint32_t> bits;
        for (const IgcFix& fix : flight.Fixes())
            bits.push_back(fix.flags.Bits());
        return bits;
    };
    const auto first = flags();
    const auto notes = flight.Notes();
    ASSERT_TRUE(flight.Analyse(SiteTask({9}), SiteNavpoints(), 1));
    EXPECT_EQ(flight.Status(), 3);
    ASSERT_TRUE(flight.Analyse(SiteTask({4}), SiteNavpoints(), 1));
    EXPECT_EQ(flags(), first);
    EXPECT_EQ(flight.Notes(), notes);
    EXPECT_EQ(flight.Status(), 4);
}

TEST(FixSearch, HelpersStayWithinTheFixes) {
    std::vector<IgcFix> fixes(5);
    for (std::size_t i = 0; i < fixes.size(); ++i)
        fixes[i].time = static_cast<std::time_t>(100 + 10 * i);
    fixes[0].flags.Set(F::kFlying);
    fixes[3].flags.Set(F::kFlying);
    fixes[3].turnpoints.SetMark(2, 9);
    EXPECT_EQ(search::FirstWith(fixes, 0, F::kFlying), 0);
    EXPECT_EQ(search::FirstWith(fixes, 1, F::kFlying), 3);
    EXPECT_EQ(search::FirstWith(fixes, 99, F::kFlying), -1);
    EXPECT_EQ(search::LastWith(fixes, 99, F::kFlying), 3);
    EXPECT_EQ(search::LastWith(fixes, 2, F::kFlying), -1); // never below index 1
    EXPECT_EQ(search::FirstWithout(fixes, -5, F::kFlying), 1);
    EXPECT_EQ(search::LastWithout(fixes, 3, F::kFlying), 2);
    EXPECT_EQ(search::FirstAfter(fixes, 0, 120), 3);
    EXPECT_EQ(search::LastBefore(fixes, 4, 120), 1);
    EXPECT_EQ(search::FirstWithMark(fixes, 0, F::kFlying, 2, 9), 3);
    EXPECT_EQ(search::LastCarrying(fixes, 4, F::kFlying, 9), 3);
    EXPECT_EQ(search::LastCarrying(fixes, 4, F::kFlying, 8), -1);
    const std::vector<IgcFix> none;
    EXPECT_EQ(search::LastWith(none, 0, F::kFlying), -1);
    EXPECT_EQ(search::FirstWith(none, 0, F::kFlying), -1);
}

} // namespace
} // namespace vantrel::test
