// The simulated recorder's navpoint memory: the lines it applies and the records it serves.
#include "NavpointMemory.h"

#include "RecorderFormat.h"
#include "RecorderModel.h"
#include "link/Commands.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/RecorderNavpoints.h"
#include "navpoints/RecorderTasks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace korsim {
namespace {

const LogTime kNow{3, 12, 5, 10, 11, 12};
// One step of the recorder's 24-bit angles.
constexpr double kAngleStep = 360.0 / (1 << 24);

std::string WithoutReturn(std::string line) {
    line.pop_back();
    return line;
}

TEST(NavpointMemory, LinesTheLibrarySendsReadBackAsSent) {
    const std::vector<navpoints::Navpoint> sent{
        navpoints::Navpoint(12, "ABC", 46.5, -7.25, 19, 417.9f, "RWY 27"),
        navpoints::Navpoint(3, "SOUTH", -33.9, 151.2, 1, 12.0f, "HARBOUR")};
    NavpointMemory memory;
    ASSERT_TRUE(ApplyNavpointLine(memory, WithoutReturn(korlink::SiteLine("Alps")), kNow));
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const auto line = korlink::NavpointLine(i + 1, korlink::ToRecorderNavpoint(sent[i]));
        ASSERT_TRUE(ApplyNavpointLine(memory, WithoutReturn(line), kNow)) << line;
    }
    const auto area = SiteArea(memory);
    const auto counts = korlink::ParseCounts(CountsRecord(memory));
    ASSERT_TRUE(counts);
    EXPECT_EQ(korlink::SiteNameOf(area), "Alps" + std::string(28, ' '));
    const auto read = korlink::DecodeNavpointArea(area, *counts);
    ASSERT_EQ(read.size(), sent.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(read[i].id, static_cast<std::uint32_t>(sent[i].Id()));
        EXPECT_EQ(read[i].name, korlink::BlankPadded(sent[i].Name(), 12));
        EXPECT_EQ(read[i].elevation, static_cast<int>(std::round(sent[i].Elevation())));
        EXPECT_NEAR(read[i].latitude, sent[i].Latitude(), kAngleStep);
        EXPECT_NEAR(read[i].longitude, sent[i].Longitude(), kAngleStep);
    }
}

// One navpoint through a get and put as kor does them: read from the recorder's area, written
// to a navpoint file and read back, sent as a navpoint line; what the recorder then holds.
SiteNavpoint ThroughNavpointFile(const SiteNavpoint& held) {
    NavpointMemory recorder;
    recorder.site.navpoints = {held};
    const auto counts = korlink::ParseCounts(CountsRecord(recorder));
    const auto table = korlink::DecodeNavpointArea(SiteArea(recorder), *counts);
    navpoints::NavpointList got;
    got.Put(korlink::ToNavpoint(table.at(0)));
    std::istringstream file(navpoints::NavpointFileText(got, "Site"));
    navpoints::NavpointList read;
    if (navpoints::ReadNavpoints(file, read) != 1) {
        ADD_FAILURE() << "not read back: " << navpoints::NavpointFileText(got, "Site");
        return {};
    }
    const auto line = korlink::NavpointLine(1, korlink::ToRecorderNavpoint(*read.Nth(1)));
    NavpointMemory sentTo;
    EXPECT_TRUE(ApplyNavpointLine(sentTo, WithoutReturn(line), kNow)) << line;
    return sentTo.site.navpoints.at(0);
}

TEST(NavpointMemory, NavpointsReadAndSentBackStayWhereTheyAre) {
    // Angles across the globe, on the recorder's 24-bit steps, and elevations over its 16 bits:
    // none may move, however often it goes round.
    constexpr int kSteps = 20011;
    for (int i = 0; i < kSteps; ++i) {
        const int latitudeStep = -(1 << 22) + static_cast<int>((2LL << 22) * i / kSteps);
        const int longitudeStep = (1 << 23) - 1 - static_cast<int>((2LL << 23) * i / kSteps);
        SiteNavpoint held{latitudeStep * kAngleStep,
                          longitudeStep * kAngleStep,
                          static_cast<std::uint16_t>(i * 65535LL / (kSteps - 1)),
                          7,
                          19,
                          "NAME",
                          "REMARK"};
        SiteNavpoint now = held;
        for (int round = 0; round < 3; ++round)
            now = ThroughNavpointFile(now);
        // The recorder keeps its angles in 24 bits.
        ASSERT_EQ(Angle24(now.latitude), Angle24(held.latitude)) << i;
        ASSERT_EQ(Angle24(now.longitude), Angle24(held.longitude)) << i;
        ASSERT_EQ(now.elevation, held.elevation) << i;
        ASSERT_EQ(now.attributes, held.attributes) << i;
    }
}

TEST(NavpointMemory, TasksAndDeclaration) {
    NavpointMemory memory;
    memory.site.navpoints.resize(9);
    ASSERT_TRUE(ApplyNavpointLine(
        memory, WithoutReturn(korlink::TaskLine(4, korlink::TaskIds{5, 7, 9})), kNow));
    ASSERT_TRUE(ApplyNavpointLine(memory, "D,4", kNow));
    const auto tasks = korlink::DecodeTaskRecord(TaskRecord(memory));
    EXPECT_EQ(tasks[4], (korlink::TaskIds{5, 7, 9}));
    const auto declaration = korlink::DecodeRecorderDeclaration(DeclarationRecord(memory));
    EXPECT_EQ(declaration.declared, kNow);
    EXPECT_TRUE(korlink::DeclarationMatches(tasks[4], declaration));
}

TEST(NavpointMemory, LinesThatDoNotParseChangeNothing) {
    NavpointMemory memory;
    const char* refused[] = {
        "C,0,4630.0000N,00715.0000W,417,12,19,ABC",    // navpoint 0
        "C,501,4630.0000N,00715.0000W,417,12,19,ABC",  // beyond the 500 the memory holds
        "C,1,4630.0000X,00715.0000W,417,12,19,ABC",    // no hemisphere
        "C,1,4660.0000N,00715.0000W,417,12,19,ABC",    // 60 minutes
        "C,1,4630.0000N,00715.0000W,417,70000,19,ABC", // id beyond 16 bits
        "C,1,4630.0000N,00715.0000W,417",              // fields missing
        "T,10,1,2,3,4,5,6,7,8,9",                      // task 10
        "T,1,1,2,3",                                   // slots missing
        "D,x",
    };
    for (const char* line : refused)
        EXPECT_FALSE(ApplyNavpointLine(memory, line, kNow)) << line;
    EXPECT_TRUE(memory.site.navpoints.empty());
    EXPECT_EQ(memory.tasks, (NavpointMemory{}.tasks));
}

TEST(NavpointMemory, ClearingKeepsTheSiteNameTasksAndDeclaration) {
    RecorderModel model;
    ASSERT_TRUE(model.AcceptLine("YClub"));
    ASSERT_TRUE(model.AcceptLine("C,2,4630.0000N,00715.0000W,417,12,19,ABC         RWY 27      "));
    ASSERT_TRUE(model.AcceptLine("T,0,2,0,0,0,0,0,0,0,0"));
    EXPECT_EQ(korlink::ParseCounts(model.records.at('c'))->count, 2u) << "navpoint 1 is empty";
    model.ClearNavpoints();
    EXPECT_EQ(korlink::ParseCounts(model.records.at('c'))->count, 0u);
    EXPECT_EQ(model.areas.at(korlink::command::kSiteArea).size(), 32u);
    EXPECT_EQ(korlink::DecodeTaskRecord(model.records.at('t'))[0][0], 2);
    EXPECT_EQ(model.navpointMemory.site.name, "Club");
}

} // namespace
} // namespace korsim
