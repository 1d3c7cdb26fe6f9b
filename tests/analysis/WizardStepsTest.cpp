// What the wizard's pages decide and say, and the review list.
#include "analysis/WizardSteps.h"

#include "TaskFixture.h"
#include "analysis/ReviewRows.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/NumberText.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vantrel::test {
namespace {

TEST(WizardSteps, NavpointSource) {
    const auto logChosen = ChooseNavpointSource(true, 1, "last.dat", "default.dat");
    EXPECT_TRUE(logChosen.fromLog);
    EXPECT_TRUE(logChosen.logEnabled);
    EXPECT_EQ(logChosen.file, "last.dat");
    const auto forced = ChooseNavpointSource(false, 1, "last.dat", "default.dat");
    EXPECT_FALSE(forced.fromLog);
    EXPECT_FALSE(forced.logEnabled);
    const auto byDefault = ChooseNavpointSource(true, 3, "last.dat", "default.dat");
    EXPECT_FALSE(byDefault.fromLog);
    EXPECT_EQ(byDefault.file, "default.dat");
    EXPECT_EQ(NavpointsAvailableText(6), "6 navpoints available.");

    const auto folder =
        std::filesystem::temp_directory_path() / ("wizard-navpoints-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto empty = folder / "empty.dat";
    std::ofstream(empty) << "** nothing\n";
    ASSERT_TRUE(navpoints::WriteNavpointFile(folder / "site.dat", SiteNavpoints(), "site"));
    EXPECT_EQ(ChosenNavpoints(false, folder / "none.dat", {}).problem,
              "Invalid navpoint filename.");
    EXPECT_EQ(ChosenNavpoints(false, empty, {}).problem, "Navpoint file is not valid.");
    const auto read = ChosenNavpoints(false, folder / "site.dat", {});
    EXPECT_FALSE(read.problem);
    EXPECT_EQ(read.list.Count(), 6);
    EXPECT_EQ(ChosenNavpoints(true, "", SiteNavpoints()).list.Count(), 6);
    std::filesystem::remove_all(folder);
}

TEST(WizardSteps, Gates) {
    const auto navpoints = SiteNavpoints();
    TaskSettings settings = DefaultTaskSettings(kNauticalMiles, kFeet);
    settings.startGate.centreId = 4; // a turnpoint: replaced by the first start navpoint
    settings.finishGate.centreId = 3;
    EnterGateStep(settings, navpoints);
    EXPECT_TRUE(settings.startGate.inUse && settings.finishGate.inUse);
    EXPECT_EQ(settings.startGate.centreId, 2);
    EXPECT_EQ(settings.finishGate.centreId, 3);
    EXPECT_FALSE(GateStepProblem(settings, navpoints));
    settings.startGate.centreId = 50;
    EXPECT_EQ(GateStepProblem(settings, navpoints), "No Start gate has been defined");
    settings.finishGate.centreId = -1;
    EXPECT_EQ(GateStepProblem(settings, navpoints), "No finish gate has been defined");

    const auto start = ChooseGateCentres(true, navpoints);
    EXPECT_EQ(start.title, "Start Gate Settings");
    ASSERT_EQ(start.centres.size(), 1u);
    EXPECT_FALSE(start.warning);
    navpoints::NavpointList noFinish = navpoints;
    noFinish.Remove(3);
    const auto finish = ChooseGateCentres(false, noFinish);
    EXPECT_EQ(finish.warning,
              "Warning, no control points with FINISH attribute have been entered.");
    EXPECT_EQ(finish.centres.size(), 4u); // the start and the three turnpoints
}

TEST(WizardSteps, TurnpointLegsAndAssignedAreas) {
    TaskSettings settings = DefaultTaskSettings(kKilometres, kFeet);
    settings.startGate = SiteTask().startGate;
    settings.finishGate = SiteTask().finishGate;
    settings.turnpointIds = {4, 77, 9, 12, 10000};
    const auto legs = TaskLegs(settings, SiteNavpoints(), kKilometres);
    ASSERT_EQ(legs.rows.size(), 5u);
    EXPECT_EQ(legs.rows[0].id, "2");
    EXPECT_EQ(legs.rows[1].name, "ALPHA");
    const double total = PathMiles({kStart, kAlpha, kBravo, kCharlie, kFinish}) - 3.0;
    EXPECT_NEAR(legs.total, total, 1e-9);
    const double alphaLeg = NauticalMiles(kStart, kAlpha);
    EXPECT_EQ(legs.rows[1].leg, navpoints::FixedText(alphaLeg * 1.8532487783333333, 2, 6) + " Km");
    EXPECT_EQ(legs.rows[1].share, navpoints::FixedText(alphaLeg / total * 100, 1, 6) + "%");
    EXPECT_EQ(legs.rows[0].share, "   0.0%");
    EXPECT_EQ(TaskLegs(settings, SiteNavpoints(), kKilometres, false, false).rows.size(), 3u);

    EXPECT_EQ(AssignedRadiiLabel(kKilometres), "Radii (Km)");
    EXPECT_TRUE(AssignedAreaRows(settings, SiteNavpoints(), kKilometres).empty());
    settings.assignedAreaTask = true;
    settings.assignedRadii[2] = 20;
    const auto areas = AssignedAreaRows(settings, SiteNavpoints(), kKilometres);
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[1].id, "9");
    EXPECT_EQ(areas[1].leg, "20 Km");
    EXPECT_TRUE(HasFixesToAnalyse(5));
    EXPECT_FALSE(HasFixesToAnalyse(4));
}

TEST(ReviewRows, FixAndEventRows) {
    FlightAnalysis flight = CompletedFlight().Build();
    ASSERT_TRUE(flight.Analyse(SiteTask(), SiteNavpoints(), kNauticalMiles));
    const auto rows = ReviewRows(flight, kNauticalMiles, kFeet);
    std::vector<std::string> events;
    int fixRows = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].event) {
            EXPECT_EQ(rows[i].fix, fixRows++);
            continue;
        }
        events.push_back(rows[i].columns[0]);
        ASSERT_LT(i + 1, rows.size());
        EXPECT_EQ(rows[i + 1].fix, rows[i].fix); // stands before its fix
    }
    EXPECT_EQ(fixRows, flight.FixCount());
    EXPECT_EQ(events, (std::vector<std::string>{
                          " *** ROLLED ***", " *** START ***", " *** Arrived at Turnpoint ***",
                          " *** Arrived at Turnpoint ***", " *** Arrived at Turnpoint ***",
                          " *** FINISHED ***", " *** LANDED ***"}));

    const auto& start = *std::find_if(rows.begin(), rows.end(), [](const ReviewRow& row) {
        return row.event && row.kind == ReviewEvent::Start;
    });
    const auto& startFix = rows[static_cast<std::size_t>(&start - rows.data()) + 1];
    EXPECT_NE(startFix.columns[2].find("LatestStart"), std::string::npos);

    const auto columns = ReviewColumns(kKilometres, kMetres);
    EXPECT_EQ(columns[3].title, "Speed (kph)");
    EXPECT_EQ(columns[4].title, "Altitude (m)");
    EXPECT_EQ(columns[7].title, "Turnpoint Dist (Km)");
    EXPECT_EQ(columns[10].width, 195);
    EXPECT_EQ(ReviewTitle(flight), "Flight Analysis for ");
}

TEST(ReviewRows, TurnpointTexts) {
    IgcFix fix;
    EXPECT_EQ(TurnpointIdText(fix), "");
    fix.turnpoints.SetMark(0, 4);
    fix.turnpoints.SetDistance(0, 0.1);
    fix.flags.Set(FixFlags::kAtTurnpoint);
    EXPECT_EQ(TurnpointIdText(fix), "At 4 ");
    fix.turnpoints.SetMark(1, 9);
    fix.turnpoints.SetDistance(1, 2.5);
    EXPECT_EQ(TurnpointIdText(fix), "4 , 9 ");
    EXPECT_EQ(TurnpointDistanceText(fix, kNauticalMiles), " 0.100,   2.500");
    fix.flags.Set(FixFlags::kTurnAreaTurnpoint);
    EXPECT_EQ(TurnpointIdText(fix), "Assigned Area Point , 4 , 9 ");
}

} // namespace
} // namespace vantrel::test
