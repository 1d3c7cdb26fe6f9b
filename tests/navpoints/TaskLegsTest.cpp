#include "navpoints/TaskLegs.h"

#include "korlink/korlink.h"
#include "navpoints/Attributes.h"
#include "navpoints/CallerNavpoints.h"
#include "navpoints/Distance.h"
#include "navpoints/NavpointRecord.h"
#include "navpoints/TaskText.h"

#include <cstring>
#include <gtest/gtest.h>
#include <numeric>

namespace korlink {
namespace {

using navpoints::Navpoint;
using navpoints::NavpointList;
using namespace navpoints::attribute;

// Navpoints along one meridian, one degree (60 nm) apart from 3 to 5 and two from 5 to 9.
NavpointList Meridian() {
    NavpointList list;
    list.Put(Navpoint(3, "THREE", 50.0, 10.0, kTurnpoint, 0, ""));
    list.Put(Navpoint(4, "AIRFIELD", 50.5, 12.0, kAirfield | kLandable, 0, ""));
    list.Put(Navpoint(5, "FIVE", 51.0, 10.0, kStart, 0, ""));
    list.Put(Navpoint(9, "NINE", 53.0, 10.0, kFinish, 0, ""));
    list.Put(Navpoint(249, "LAST", 54.0, 10.0, kTurnpoint, 0, ""));
    list.Put(Navpoint(250, "BEYOND", 55.0, 10.0, kTurnpoint, 0, ""));
    return list;
}

double Share(const std::array<std::string, 5>& columns) {
    return std::stod(columns[4]);
}

TEST(TaskLegs, ThreeTurnpointsShareTheWholeDistance) {
    const auto list = Meridian();
    const std::int32_t ids[] = {3, 5, 9};
    const auto legs = ComputeLegs(list, ids);
    ASSERT_EQ(legs.legs.size(), 3u);
    EXPECT_NEAR(legs.total.nauticalMiles, 180.0, 1e-6);

    using Row = std::array<std::string, 5>;
    const Row rows[] = {
        {"1", "THREE", "  0.00 nm", "  0.00 nm", "   0.0%"},
        {"3", "FIVE", " 60.00 nm", " 60.00 nm", "  33.3%"},
        {"4", "NINE", "120.00 nm", "180.00 nm", "  66.7%"},
    };
    double shares = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(LegColumns(legs.legs[i], legs.total, DistanceUnit::NauticalMiles), rows[i]);
        shares += Share(LegColumns(legs.legs[i], legs.total, DistanceUnit::NauticalMiles));
    }
    EXPECT_NEAR(shares, 100.0, 1e-9);
    EXPECT_EQ(LegColumns(legs.legs[1], legs.total, DistanceUnit::Kilometres)[2], "111.19 km");
    EXPECT_EQ(LegColumns(legs.legs[1], legs.total, DistanceUnit::Miles)[3], " 69.09 mi");
}

TEST(TaskLegs, OnlyControlPointsUpTo249CountAndTheChainHolds) {
    const auto list = Meridian();
    struct Case {
        std::vector<std::int32_t> ids;
        std::vector<int> counted;
    };
    const Case cases[] = {
        {{3, 4, 5}, {3, 5}},         // the airfield is passed over
        {{3, 250, 9}, {3, 9}},       // 250 is beyond the legs' ids
        {{0, -4, 249, 3}, {249, 3}}, // empty slots and the highest id
        {{3, 7, 5}, {3, 5}},         // no navpoint 7
        {{4, 250}, {}},
    };
    for (const auto& c : cases) {
        const auto legs = ComputeLegs(list, c.ids);
        std::vector<int> counted;
        for (const auto& leg : legs.legs)
            counted.push_back(leg.id);
        EXPECT_EQ(counted, c.counted) << ::testing::PrintToString(c.ids);
    }
    const std::int32_t skipping[] = {3, 4, 5};
    const auto legs = ComputeLegs(list, skipping);
    EXPECT_DOUBLE_EQ(legs.legs[1].leg.kilometres,
                     navpoints::Distance(*list.Find(3), *list.Find(5)).kilometres);
}

TEST(TaskLegs, ASingleNavpointHasNoShare) {
    const auto list = Meridian();
    const std::int32_t one[] = {9};
    const auto legs = ComputeLegs(list, one);
    ASSERT_EQ(legs.legs.size(), 1u);
    EXPECT_EQ(LegColumns(legs.legs[0], legs.total, DistanceUnit::Kilometres)[4], "   0.0%");
}

TEST(TaskText, TurnpointsFieldIds) {
    struct Case {
        const char* text;
        std::vector<std::int32_t> ids;
    };
    const Case cases[] = {
        {"3, 5, 9", {3, 5, 9}},
        {"3,5 ,,9", {3, 5, 9}},
        {"  12\t7 ", {12, 7}},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"3 x 5", {3}},
        {"3x5", {3}},
        {"+4, -2, 0", {4, -2, 0}},
        {"99999999999 3", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTurnpoints(c.text), c.ids) << c.text;
}

TEST(TaskText, NamesAndFieldText) {
    EXPECT_EQ(TaskName(0), "Task A");
    EXPECT_EQ(TaskName(8), "Task I");
    EXPECT_EQ(TaskName(9), "Task K");
    EXPECT_EQ(TaskName(10), "");
    EXPECT_EQ(TaskName(-1), "");
    EXPECT_EQ(TurnpointsText({3, 5, 9}), "3, 5, 9");
    EXPECT_EQ(TurnpointsText({0, 4, 0, 0, 0, 0, 0, 0, 0}), "0, 4");
    EXPECT_EQ(TurnpointsText({}), "");
    EXPECT_EQ(ParseTurnpoints(TurnpointsText({1, 0, 250, 9, 8, 7, 6, 5, 4})),
              (std::vector<std::int32_t>{1, 0, 250, 9, 8, 7, 6, 5, 4}));
}

NavpointRecord Record(std::int32_t id, const char* name) {
    NavpointRecord record{};
    std::memset(record.reserved, 0xAB, sizeof record.reserved);
    navpoints::ToRecord(Navpoint(id, name, 45.0, 7.0, kTurnpoint, 100, "r"), record);
    return record;
}

TEST(CallerNavpoints, TakesIdsUpTo9999AndWritesUpToTheCapacity) {
    const NavpointRecord given[] = {Record(5, "FIVE"),   Record(0, "ZERO"), Record(10000, "BIG"),
                                    Record(9999, "TOP"), Record(2, "TWO"),  Record(5, "AGAIN")};
    const auto list = ListFromRecords(given);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Find(5)->Name(), "AGAIN");
    EXPECT_NE(list.Find(9999), nullptr);

    NavpointRecord out[2];
    std::memset(out, 0x11, sizeof out);
    EXPECT_EQ(WriteRecords(list, out), 2u);
    EXPECT_EQ(out[0].id, 2);
    EXPECT_EQ(out[1].id, 5);
    EXPECT_STREQ(out[1].name, "AGAIN");
    EXPECT_EQ(out[0].reserved[0], 0x11) << "bytes 0 to 7 are the caller's";
    EXPECT_EQ(WriteRecords(list, {}), 0u);
}

} // namespace
} // namespace korlink
