#include "navpoints/Attributes.h"
#include "navpoints/Coordinates.h"
#include "navpoints/DisplayText.h"
#include "navpoints/Distance.h"
#include "navpoints/NavpointList.h"
#include "navpoints/NavpointRecord.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace navpoints {
namespace {

using namespace attribute;

Navpoint At(int id, double latitude, double longitude, float elevation = 0) {
    return Navpoint(id, "P" + std::to_string(id), latitude, longitude, kTurnpoint, elevation, "");
}

TEST(NavpointModel, AttributeLetters) {
    struct Case {
        std::uint32_t bits;
        int width;
        bool padded;
        const char* text;
    };
    const Case cases[]{
        {kTurnpoint | kAirfield | kStart, 8, false, "TAS"},
        {kTurnpoint | kAirfield | kStart, 8, true, "TAS     "},
        {0xFFFFFFFF, 8, false, "TAMLSFHE"},
        {kW | kR | kHome, 8, false, "H"},
        {kW | kR | kHome, 11, false, "HWR"},
        {kLandable | kStart, 4, true, "L   "},
        {0, 8, true, "        "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AttributeLetters(c.bits, c.width, c.padded), c.text) << c.text;

    // Every letter the writer writes is read back; W and R, never written, are not read.
    EXPECT_EQ(AttributesFromLetters("xTq AS MEW"), kTurnpoint | kAirfield | kStart | kM | kE);
    EXPECT_EQ(AttributesFromLetters("HFL R"), kHome | kFinish | kLandable);
    for (std::uint32_t bits = 0; bits < 256; ++bits)
        EXPECT_EQ(AttributesFromLetters(AttributeLetters(bits)), bits) << bits;
    EXPECT_EQ(AttributeColumnText(kTurnpoint | kHome | kLandable | kM), " H T L ");
    EXPECT_EQ(AttributeColumnText(0), " ");
}

TEST(NavpointModel, ConstructorsKeepTheStoredForm) {
    const Navpoint southWest(4, "A name longer than twelve", 33, 52.5, true, 151, 12.0, true, kHome,
                             -12.0f, "Remark that is long");
    EXPECT_DOUBLE_EQ(southWest.Latitude(), -(33 + 52.5 / 60));
    EXPECT_DOUBLE_EQ(southWest.Longitude(), -(151 + 12.0 / 60));
    EXPECT_EQ(southWest.Elevation(), 0.0f);
    EXPECT_EQ(southWest.Name(), "A name longe");
    EXPECT_EQ(southWest.Remark(), "Remark that ");

    const Navpoint northEast(5, std::string_view("AB\0CD", 5), 10.5, 20.25, 0,
                             std::numeric_limits<float>::quiet_NaN(), "r");
    EXPECT_EQ(northEast.Name(), "AB");
    EXPECT_EQ(northEast.Elevation(), 0.0f);
    EXPECT_EQ(Navpoint(northEast), northEast);
}

TEST(NavpointModel, ListKeepsNavpointsAtTheirIds) {
    NavpointList list;
    EXPECT_EQ(list.Positions(), NavpointList::kInitialPositions);
    EXPECT_EQ(list.NextFreeId(), 1);
    EXPECT_EQ(list.Nth(1), nullptr);
    for (const int id : {9, 3, 7})
        ASSERT_TRUE(list.Put(At(id, id, 0)));
    EXPECT_FALSE(list.Put(At(0, 0, 0)));
    EXPECT_FALSE(list.Put(At(65536, 0, 0)));

    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.NextFreeId(), 10);
    EXPECT_EQ(list.OrdinalOf(3), 1);
    EXPECT_EQ(list.OrdinalOf(7), 2);
    EXPECT_EQ(list.OrdinalOf(9), 3);
    EXPECT_EQ(list.OrdinalOf(8), -1);
    EXPECT_EQ(list.OrdinalOf(INT_MIN), -1);
    EXPECT_EQ(list.Nth(2)->Id(), 7);
    EXPECT_EQ(list.Nth(0), nullptr);
    EXPECT_EQ(list.Nth(4), nullptr);
    EXPECT_EQ(list.At(6)->Id(), 7);
    EXPECT_EQ(list.At(5), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    EXPECT_EQ(list.At(list.Positions()), nullptr);
    EXPECT_EQ(list.Find(INT_MIN), nullptr);

    ASSERT_TRUE(list.Put(At(65535, 1, 1)));
    EXPECT_EQ(list.Positions(), 65535);
    EXPECT_EQ(list.NextFreeId(), 65536);

    NavpointList copy(list);
    ASSERT_TRUE(list.Put(Navpoint(7, "Changed", 0.0, 0.0, 0, 0, "")));
    EXPECT_TRUE(list.Remove(9));
    EXPECT_FALSE(list.Remove(9));
    EXPECT_EQ(copy.Find(7)->Name(), "P7");
    EXPECT_EQ(copy.Count(), 4);
    EXPECT_EQ(list.Count(), 3);

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.NextFreeId(), 1);
}

TEST(NavpointModel, DistanceOfOneDegreeOnAMeridian) {
    const Distances d = Distance(At(1, 45, 7), At(2, 46, 7));
    EXPECT_NEAR(d.nauticalMiles, 60.0, 1e-6);
    EXPECT_NEAR(d.kilometres, 111.1949267, 1e-6);
    EXPECT_NEAR(d.miles, 69.09332474, 1e-6);
    EXPECT_EQ(Distance(At(1, 45, 7), At(2, 45, 7)).kilometres, 0.0);

    const Distances antipodes = Distance(At(1, 0, 0), At(2, 0, 180));
    EXPECT_TRUE(std::isfinite(antipodes.kilometres));
    EXPECT_NEAR(antipodes.nauticalMiles, 180 * 60.0, 1e-6);
}

TEST(NavpointModel, SamePlace) {
    const double degreesPerMetre = 1.0 / 111194.9267;
    struct Case {
        const char* what;
        double metresNorth;
        float elevation1;
        float elevation2;
        bool same;
    };
    const Case cases[]{
        {"identical", 0, 300, 300, true},
        {"40 m apart", 40, 300, 300, true},
        {"60 m apart", 60, 300, 300, false},
        {"elevations 2.9 m apart", 0, 300, 302.9f, true},
        {"elevations 3.5 m apart", 0, 300, 303.5f, false},
        {"elevations 3 m apart", 0, 303, 300, false},
        {"negative elevations count as 0", 0, -50, 2, true},
    };
    for (const auto& c : cases) {
        const Navpoint a = At(1, 45, 7, c.elevation1);
        const Navpoint b = At(2, 45 + c.metresNorth * degreesPerMetre, 7, c.elevation2);
        EXPECT_EQ(IsSamePlace(a, b), c.same) << c.what;
        EXPECT_EQ(IsSamePlace(b, a), c.same) << c.what;
    }
}

TEST(NavpointModel, DisplayTexts) {
    EXPECT_EQ(LatitudeDisplayText(51 + 30.5 / 60), "51\u00B0 30.500 N");
    EXPECT_EQ(LatitudeDisplayText(-(5 + 7.25 / 60)), " 5\u00B0 07.250 S");
    EXPECT_EQ(LongitudeDisplayText(-(7.25 / 60)), "  0\u00B0 07.250 W");
    EXPECT_EQ(LongitudeDisplayText(151.2), "151\u00B0 12.000 E");
    EXPECT_EQ(LatitudeDisplayText(10.99999999), "11\u00B0 00.000 N") << "minutes carry";
    EXPECT_EQ(IdText(42), "42");
    EXPECT_EQ(ElevationDisplayText(100, 1.0), "  100 m");
    EXPECT_EQ(ElevationDisplayText(100, kFeetPerMetre), "  328 ft");
    EXPECT_EQ(ElevationDisplayText(12345.6f, 1.0), "12346 m");
}

TEST(NavpointModel, AngleSplitCarriesAWholeMinute) {
    const AngleParts carried = SplitAngle(30 + 59.99999 / 60, 1000, 0.01);
    EXPECT_EQ(carried.degrees, 31);
    EXPECT_EQ(carried.minutes, 0);
    EXPECT_EQ(carried.fraction, 0);
    const AngleParts recorder = SplitAngle(-(12 + 34.56789 / 60), 10000, 0);
    EXPECT_TRUE(recorder.negative);
    EXPECT_EQ(recorder.degrees, 12);
    EXPECT_EQ(recorder.minutes, 34);
    EXPECT_EQ(recorder.fraction, 5678);
    const AngleParts huge = SplitAngle(1e300, 1000, 0.01);
    EXPECT_EQ(huge.degrees, INT_MAX);
    const AngleParts nan = SplitAngle(std::nan(""), 1000, 0.01);
    EXPECT_EQ(nan.degrees, 0);
}

TEST(NavpointModel, RecordConversion) {
    NavpointRecord record;
    std::memset(&record, 0x5A, sizeof record);
    const Navpoint navpoint(300, "HOMEFIELD", 51.5, -0.125, kHome | kAirfield, 99.5f, "RWY 27");
    ToRecord(navpoint, record);
    for (const auto byte : record.reserved)
        EXPECT_EQ(byte, 0x5A) << "bytes 0 to 7 are not written";
    EXPECT_EQ(std::string(record.name), "HOMEFIELD");
    EXPECT_EQ(record.name[12], '\0');
    EXPECT_EQ(record.id, 300);
    EXPECT_EQ(FromRecord(record), navpoint);

    std::memset(record.name, 'N', sizeof record.name);
    std::memset(record.remark, 'R', sizeof record.remark);
    record.elevation = -5;
    const Navpoint unterminated = FromRecord(record);
    EXPECT_EQ(unterminated.Name(), std::string(12, 'N'));
    EXPECT_EQ(unterminated.Remark(), std::string(12, 'R'));
    EXPECT_EQ(unterminated.Elevation(), 0.0f);
}

} // namespace
} // namespace navpoints
