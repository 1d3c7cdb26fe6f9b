// The task model: gates and their geometry, the id list, the configuration file and the prefill
// from a declaration.
#include "TaskFixture.h"
#include "analysis/AnalysisConfigFile.h"
#include "analysis/ArchiveBytes.h"
#include "analysis/Gate.h"
#include "analysis/IdList.h"
#include "analysis/Interpolation.h"
#include "analysis/TaskSettings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <unistd.h>

namespace vantrel::test {
namespace {

TEST(Gate, DescriptionsInTheDisplayUnit) {
    Gate line;
    GateEntry entry;
    entry.type = Gate::kLine;
    entry.size = 2.0; // statute miles wide
    entry.centreId = 7;
    ApplyGateEntry(entry, kStatuteMiles, kFeet, line);
    EXPECT_NEAR(line.radius, 0.8683906907907758, 1e-12);
    EXPECT_EQ(GateDescription(line, kStatuteMiles), "Line, 2.0 Miles Wide, Center at point 7");
    EXPECT_NEAR(GateEntryOf(line, kStatuteMiles, kFeet).size, 2.0, 1e-12);

    const Gate start = DefaultStartGate(kKilometres, kMetres);
    EXPECT_EQ(GateDescription(start, kKilometres), "Cylinder, 5.0 Km Radius, Center at point 0");
    EXPECT_EQ(start.top, 16404); // 5000 m
    EXPECT_EQ(start.base, 328);
    const Gate finish = DefaultFinishGate(kNauticalMiles, kFeet);
    EXPECT_EQ(GateDescription(finish, kNauticalMiles),
              "Cylinder, 2.0 Nm Radius, Center at point 0");
    EXPECT_EQ(finish.top, 1000);

    Gate undefined;
    undefined.centreId = -1;
    EXPECT_EQ(GateDescription(undefined, kNauticalMiles), "Gate not defined");
}

Gate NorthboundLine(double heading) {
    Gate gate;
    gate.type = Gate::kLine;
    gate.radius = 1.0;
    gate.heading = heading;
    gate.BuildGeometry(navpoints::Navpoint(1, "S", 51.0, 1.0, 0, 0, ""));
    return gate;
}

TEST(Gate, GeometryAndLineCrossing) {
    const Gate gate = NorthboundLine(0);
    const GeoPosition centre = GeoPosition::At(51.0, 1.0);
    EXPECT_NEAR(Distance(gate.endA, centre, kNauticalMiles), 1.0, 1e-3);
    EXPECT_NEAR(Distance(gate.endB, centre, kNauticalMiles), 1.0, 1e-3);
    EXPECT_NEAR(gate.endA.Latitude(), 51.0, 1e-12); // a line exactly east-west
    EXPECT_LT(gate.endA.Longitude(), 1.0);
    EXPECT_NEAR(gate.backPoint.Latitude(), 51.0 - 1.0 / 60, 1e-12);
    EXPECT_EQ(gate.crossAngle, -90 * 0.017453292519444445);
    Gate marked = gate;
    marked.perpendicular = true;
    EXPECT_TRUE(marked.IsPerpendicular());
    marked.type = Gate::kCylinder;
    EXPECT_FALSE(marked.IsPerpendicular());

    const GeoPosition south = GeoPosition::At(50.99, 1.0);
    const GeoPosition north = GeoPosition::At(51.01, 1.0);
    EXPECT_TRUE(gate.Crosses(south, north, true));
    EXPECT_FALSE(gate.Crosses(north, south, true));
    EXPECT_TRUE(gate.Crosses(north, south, false));
    EXPECT_FALSE(gate.Crosses(south, GeoPosition::At(50.999, 1.0), false));
    EXPECT_FALSE(gate.Crosses(GeoPosition::At(50.99, 1.1), GeoPosition::At(51.01, 1.1), false));

    // Crossing a quarter of the way: 10 + 7 x 0.25 = 11.75 rounds to 12; a fix that did not
    // move has no crossing time.
    const GeoPosition before = GeoPosition::At(50.995, 1.0);
    const GeoPosition after = GeoPosition::At(51.015, 1.0);
    EXPECT_EQ(gate.CrossingTime(before, 10, after, 17), 12);
    EXPECT_FALSE(gate.CrossingTime(centre, 10, centre, 17));
    Gate cylinder = gate;
    cylinder.type = Gate::kCylinder;
    EXPECT_FALSE(cylinder.Crosses(south, north, false));
}

TEST(Interpolation, CrossingTimesAndRounding) {
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(2.49), 2);
    EXPECT_EQ(RoundHalfUp(-2.7), -2);
    EXPECT_EQ(RoundHalfUp(std::numeric_limits<double>::quiet_NaN()), 0);
    // A radius of 2 between distances 1.5 and 2.5, ten seconds apart: halfway.
    EXPECT_EQ(InterpolatedTime(100, 110, 2.0, 1.5, 2.5), 105);
    EXPECT_EQ(InterpolatedTime(100, 110, 2.0, 1.5, 1.9), 110); // held at 1
    EXPECT_EQ(InterpolatedTime(100, 110, 5.0, 5.0, 5.0), 110); // equal values
    EXPECT_EQ(InterpolatedTime(100, 107, 5.0, 4.0, 8.0), 102); // 1.75 rounds to 2
}

TEST(IdList, ParsesAndAppends) {
    struct Case {
        const char* text;
        std::size_t limit;
        std::vector<int> ids;
    };
    const Case cases[]{
        {"12, 14 17", 12, {12, 14, 17}},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13", 12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"1 2 3 4", 2, {1, 2}},
        {"  ", 12, {}},
        {"5,x,7", 12, {5}},
        {"-3,+4", 12, {-3, 4}},
        {"99999999999", 12, {2147483647}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseIdList(c.text, c.limit), c.ids) << c.text;
    EXPECT_EQ(AppendToIdList("", 4), "4");
    EXPECT_EQ(AppendToIdList("4", 9), "4,9");
    EXPECT_EQ(IdListText({4, 9, 12}), "4,9,12");
}

TaskSettings SampleSettings() {
    TaskSettings settings = DefaultTaskSettings(kKilometres, kFeet);
    settings.turnpointIds = {4, 9, 12};
    settings.assignedRadii[0] = 20;
    settings.assignedRadii[2] = 35;
    settings.assignedAreaTask = true;
    settings.turnpointRadius = 1.5;
    settings.navpointRadius = 0.3;
    settings.finishGateShown = false;
    settings.startGate.centreId = 2;
    settings.startGate.type = Gate::kLine;
    settings.startGate.heading = 123.5;
    settings.startGate.perpendicular = true;
    settings.startGate.inUse = true;
    settings.finishGate.centreId = 3;
    return settings;
}

void ExpectSameGate(const Gate& a, const Gate& b) {
    EXPECT_EQ(a.inUse, b.inUse);
    EXPECT_EQ(a.centreId, b.centreId);
    EXPECT_EQ(a.crossAngle, b.crossAngle);
    EXPECT_EQ(a.radius, b.radius);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.base, b.base);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.heading, b.heading);
    EXPECT_EQ(a.perpendicular, b.perpendicular);
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(AnalysisConfig, VersionTwoRoundTrip) {
    const TaskSettings written = SampleSettings();
    const std::string bytes = AnalysisConfigBytes(written);
    EXPECT_EQ(bytes.size(), 4 + 4 + 3 * 8 + 16 + 8 + 4 + 2 * 44u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x02\0\0\0", 4));
    TaskSettings read = DefaultTaskSettings(kNauticalMiles, kFeet);
    ASSERT_EQ(ReadAnalysisConfig(Bytes(bytes), read), ConfigLoad::Loaded);
    EXPECT_EQ(read.turnpointIds, written.turnpointIds);
    EXPECT_EQ(read.assignedRadii, written.assignedRadii);
    EXPECT_TRUE(read.assignedAreaTask);
    EXPECT_EQ(read.turnpointRadius, 1.5);
    EXPECT_EQ(read.navpointRadius, 0.3);
    EXPECT_TRUE(read.startGateShown);
    EXPECT_FALSE(read.finishGateShown);
    ExpectSameGate(read.startGate, written.startGate);
    ExpectSameGate(read.finishGate, written.finishGate);
}

// A file of the first version, with gates in the older layout: radii become 1, no assigned
// area task, whole-degree headings.
TEST(AnalysisConfig, VersionOneWithTheOlderGateLayout) {
    ArchiveWriter out;
    out.Int(1);
    out.Int(2);
    out.Int(5);
    out.Int(8);
    out.Double(1.0);
    out.Double(0.25);
    out.Int(1);
    out.Int(1);
    for (const int heading : {90, 270}) {
        out.Word(1); // in use
        out.Int(heading / 90);
        out.Double(0.5);
        out.Double(3.0);
        out.Word(1);
        out.Int(100);
        out.Int(4000);
        out.Int(heading);
    }
    TaskSettings read = SampleSettings();
    ASSERT_EQ(ReadAnalysisConfig(Bytes(out.Bytes()), read), ConfigLoad::Loaded);
    EXPECT_EQ(read.turnpointIds, (std::vector<int>{5, 8}));
    EXPECT_EQ(read.assignedRadii[0], 1);
    EXPECT_EQ(read.assignedRadii[2], 1);
    EXPECT_FALSE(read.assignedAreaTask);
    EXPECT_TRUE(read.startGate.inUse);
    EXPECT_EQ(read.startGate.centreId, 1);
    EXPECT_EQ(read.startGate.heading, 90.0);
    EXPECT_EQ(read.finishGate.heading, 270.0);
    EXPECT_TRUE(read.finishGate.IsLine());
    EXPECT_FALSE(read.startGate.perpendicular);
}

TEST(AnalysisConfig, DamagedFilesChangeNothingButTheTurnpoints) {
    const std::string bytes = AnalysisConfigBytes(SampleSettings());
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        TaskSettings read = DefaultTaskSettings(kNauticalMiles, kFeet);
        read.turnpointIds = {1};
        read.assignedRadii[1] = 9;
        read.assignedAreaTask = true;
        EXPECT_EQ(ReadAnalysisConfig(Bytes(bytes.substr(0, size)), read), ConfigLoad::Damaged);
        EXPECT_TRUE(read.turnpointIds.empty());
        EXPECT_EQ(read.assignedRadii[1], 1);
        EXPECT_FALSE(read.assignedAreaTask);
        EXPECT_EQ(read.turnpointRadius, 1.0);
    }
    ArchiveWriter wrongVersion;
    wrongVersion.Int(3);
    TaskSettings read;
    EXPECT_EQ(ReadAnalysisConfig(Bytes(wrongVersion.Bytes() + bytes.substr(4)), read),
              ConfigLoad::Damaged);
    ArchiveWriter hugeCount;
    hugeCount.Int(2);
    hugeCount.Int(0x7FFFFFFF);
    EXPECT_EQ(ReadAnalysisConfig(Bytes(hugeCount.Bytes()), read), ConfigLoad::Damaged);
}

TEST(AnalysisConfig, KeepsTwelveTurnpoints) {
    ArchiveWriter out;
    out.Int(2);
    out.Int(14);
    for (int i = 1; i <= 14; ++i) {
        out.Int(i);
        out.Int(i * 10);
    }
    const std::string tail = AnalysisConfigBytes(SampleSettings()).substr(4 + 4 + 3 * 8);
    TaskSettings read;
    ASSERT_EQ(ReadAnalysisConfig(Bytes(out.Bytes() + tail), read), ConfigLoad::Loaded);
    EXPECT_EQ(read.turnpointIds.size(), 12u);
    EXPECT_EQ(read.turnpointIds.back(), 12);
    EXPECT_EQ(read.assignedRadii[11], 120);
    EXPECT_EQ(read.startGate.centreId, 2);
}

TEST(AnalysisConfig, FilesOnDisk) {
    EXPECT_EQ(AnalysisConfigPath("/flights/3C5Q0YA1.IGC"),
              std::filesystem::path("/flights/3C5.cfg"));
    EXPECT_EQ(AnalysisConfigPath("a.igc"), std::filesystem::path(".cfg"));

    const auto folder =
        std::filesystem::temp_directory_path() / ("analysis-config-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = folder / "day.cfg";
    TaskSettings read = SampleSettings();
    EXPECT_EQ(LoadAnalysisConfig(path, read), ConfigLoad::Missing);
    EXPECT_TRUE(read.turnpointIds.empty());
    EXPECT_EQ(read.startGate.heading, 123.5); // the rest is left as it was

    ASSERT_TRUE(SaveAnalysisConfig(path, SampleSettings()));
    EXPECT_EQ(LoadAnalysisConfig(path, read), ConfigLoad::Loaded);
    EXPECT_EQ(read.turnpointIds, (std::vector<int>{4, 9, 12}));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "\x02";
    EXPECT_EQ(LoadAnalysisConfig(path, read), ConfigLoad::Damaged);
    EXPECT_EQ(std::string(kConfigDamagedText), "Error reading config file.");
    std::filesystem::remove_all(folder);
}

TEST(TaskSettings, PrefillFromADeclaration) {
    const auto navpoints = SiteNavpoints();
    IgcDeclaration declaration;
    declaration.turnpointCount = 4;
    declaration.points = {
        {kHome.latitude, kHome.longitude, "TAKEOFF"},
        {kStart.latitude + 0.5e-5, kStart.longitude - 0.5e-5, "START"},
        {kAlpha.latitude + 0.9e-5, kAlpha.longitude, "ALPHA"},
        {kBravo.latitude + 1.1e-5, kBravo.longitude, "NEAR BRAVO"}, // too far: left out
        {0, 0, "UNSET"},
        {kCharlie.latitude, kCharlie.longitude - 0.9e-5, "CHARLIE"},
        {52.0, 2.0, "UNKNOWN FINISH"},
        {kHome.latitude, kHome.longitude, "LANDING"},
    };
    TaskSettings settings = DefaultTaskSettings(kNauticalMiles, kFeet);
    settings.turnpointIds = {99};
    settings.finishGate.centreId = 3;
    PrefillFromDeclaration(declaration, navpoints, settings);
    EXPECT_EQ(settings.turnpointIds, (std::vector<int>{4, 12}));
    EXPECT_EQ(settings.startGate.centreId, 2);
    EXPECT_EQ(settings.finishGate.centreId, 3); // kept: no navpoint at the declared finish

    const AnalysisTask task = AnalysisTaskOf(settings);
    EXPECT_EQ(task.taskType, AnalysisTask::kOrdinary);
    EXPECT_EQ(task.turnpointIds, settings.turnpointIds);
    settings.assignedAreaTask = true;
    EXPECT_EQ(AnalysisTaskOf(settings).taskType, AnalysisTask::kAssignedArea);
    EXPECT_TRUE(RadiusEntryAccepted(0.1));
    EXPECT_FALSE(RadiusEntryAccepted(100.5));
}

} // namespace
} // namespace vantrel::test
