#include "document/GeoPosition.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(GeoPosition, PartsAndSignedValues) {
    const GeoPosition origin;
    EXPECT_EQ(origin.west, 1);
    EXPECT_EQ(origin.south, 0);
    EXPECT_EQ(origin.Longitude(), 0.0);

    GeoPosition position;
    position.SetLatitude(-33.5);
    position.SetLongitude(151.25);
    EXPECT_EQ(position.latitudeDegrees, 33);
    EXPECT_DOUBLE_EQ(position.latitudeMinutes, 30.0);
    EXPECT_EQ(position.south, 1);
    EXPECT_EQ(position.west, 0);
    EXPECT_DOUBLE_EQ(position.Latitude(), -33.5);
    EXPECT_DOUBLE_EQ(position.Longitude(), 151.25);
    position.SetLatitude(0.0);
    EXPECT_EQ(position.south, 1);
}

TEST(GeoPosition, DistanceOfOneDegreeOfLatitude) {
    const auto a = GeoPosition::At(50, 10), b = GeoPosition::At(51, 10);
    EXPECT_NEAR(Distance(a, b, 1), 60.0, 1e-9);
    EXPECT_NEAR(Distance(a, b, 2), 111.1949267, 1e-7);
    EXPECT_NEAR(Distance(a, b, 0), 69.09332474, 1e-7);
    EXPECT_NEAR(Distance(a, b, 9), 1.0, 1e-12);
}

TEST(GeoPosition, BearingsInAllQuadrants) {
    struct Case {
        double latitude, longitude, bearing;
    };
    const Case cases[]{{1, 0, 0},      {0, 1, 90},       {-1, 0, 180},      {0, -1, 270},
                       {1, 1, 44.996}, {-1, 1, 135.004}, {-1, -1, 224.996}, {1, -1, 315.004}};
    const auto origin = GeoPosition::At(0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.latitude << "," << c.longitude);
        EXPECT_NEAR(Bearing(origin, GeoPosition::At(c.latitude, c.longitude)), c.bearing, 1e-3);
    }
}

TEST(GeoPosition, Offset) {
    const auto from = GeoPosition::At(10, 20);
    const auto north = Offset(from, 60.0, 0.0, 1.0);
    EXPECT_NEAR(north.Latitude(), 11.0, 1e-12);
    EXPECT_NEAR(north.Longitude(), 20.0, 1e-12);
    const auto east = Offset(from, 30.0, M_PI / 2, 2.0);
    EXPECT_NEAR(east.Latitude(), 10.0, 1e-12);
    EXPECT_NEAR(east.Longitude(), 21.0, 1e-12);
}

TEST(GeoPosition, SegmentIntersection) {
    struct Case {
        const char* what;
        double a[2], b[2], c[2], d[2]; // latitude, longitude
        bool meets;
        double latitude = 0, longitude = 0;
    };
    const Case cases[]{
        {"crossing", {0, 0}, {2, 2}, {0, 2}, {2, 0}, true, 1, 1},
        {"parallel", {0, 0}, {1, 1}, {0, 1}, {1, 2}, false},
        {"lines cross beyond the segments", {0, 0}, {1, 1}, {3, 0}, {4, -1}, false},
        {"north-south track through an east-west gate",
         {50, 10},
         {52, 10},
         {51, 9},
         {51, 11},
         true,
         51,
         10},
        {"gate running north-south", {51, 9}, {51, 11}, {50, 10.5}, {52, 10.5}, true, 51, 10.5},
        {"both north-south", {0, 1}, {2, 1}, {0, 1}, {2, 1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto crossing =
            Intersection(GeoPosition::At(c.a[0], c.a[1]), GeoPosition::At(c.b[0], c.b[1]),
                         GeoPosition::At(c.c[0], c.c[1]), GeoPosition::At(c.d[0], c.d[1]));
        ASSERT_EQ(crossing.has_value(), c.meets);
        if (crossing) {
            EXPECT_NEAR(crossing->Latitude(), c.latitude, 1e-9);
            EXPECT_NEAR(crossing->Longitude(), c.longitude, 1e-9);
        }
    }
}

} // namespace
} // namespace vantrel
