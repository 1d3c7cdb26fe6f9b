#include "document/FlightMotion.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// Fixes along the meridian 0, one after another: each step's seconds and distance in nautical
// miles; pressure altitudes as given.
std::vector<IgcFix> Track(const std::vector<std::pair<int, double>>& steps,
                          const std::vector<int>& altitudes = {}) {
    std::vector<IgcFix> fixes(1);
    static_cast<GeoPosition&>(fixes[0]) = GeoPosition::At(50, 0);
    for (const auto& [seconds, nauticalMiles] : steps) {
        IgcFix fix;
        static_cast<GeoPosition&>(fix) =
            GeoPosition::At(fixes.back().Latitude() + nauticalMiles / 60.0, 0);
        fix.time = fixes.back().time + seconds;
        fixes.push_back(fix);
    }
    for (std::size_t i = 0; i < altitudes.size() && i < fixes.size(); ++i)
        fixes[i].pressureAltitude = altitudes[i];
    return fixes;
}

TEST(FlightMotion, SpeedStepsAreLimited) {
    // 40 kt reached over 10 s, then a raw 100 kt one second later.
    const auto limited = LimitedSpeeds(Track({{10, 40.0 / 360}, {1, 100.0 / 3600}}));
    ASSERT_EQ(limited.size(), 3u);
    EXPECT_EQ(limited[0], 0.0);
    EXPECT_NEAR(limited[1], 40.0, 1e-6);
    EXPECT_NEAR(limited[2], 44.0, 1e-6);

    struct Case {
        const char* what;
        std::vector<std::pair<int, double>> steps;
        double last;
    };
    const Case cases[]{
        {"a long step is held to 40 kt", {{60, 2.0}}, 40.0},
        {"a fall is held too", {{10, 40.0 / 360}, {1, 0.0}}, 36.0},
        {"no time repeats the previous raw speed", {{10, 40.0 / 360}, {0, 1.0}}, 40.0},
        {"a step back in time changes nothing", {{10, 40.0 / 360}, {-5, 1.0}}, 40.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(LimitedSpeeds(Track(c.steps)).back(), c.last, 1e-6);
    }
}

TEST(FlightMotion, CentredMeanCountsOutsidePositionsAsZero) {
    const std::vector<double> values{10, 20, 30, 40, 50, 60};
    EXPECT_DOUBLE_EQ(CentredMean(values, 0), 60.0 / 5);
    EXPECT_DOUBLE_EQ(CentredMean(values, 2), 150.0 / 5);
    EXPECT_DOUBLE_EQ(CentredMean(values, 5), 150.0 / 5);
    EXPECT_DOUBLE_EQ(CentredMean({}, 0), 0.0);
}

TEST(FlightMotion, SpeedAndClimb) {
    // Steady 36 kt (0.01 nm a second) with 10 ft more every second, then a 2-second step.
    auto fixes = Track({{1, 0.01}, {1, 0.01}, {1, 0.01}, {1, 0.01}, {1, 0.01}, {2, 0.02}},
                       {0, 10, 20, 30, 40, 50, 70});
    DeriveSpeedAndClimb(fixes);
    // Limited speeds 0, 4, 8, 12, 16, 20, 28 kt: 4 kt a second, 8 over the 2-second step.
    EXPECT_NEAR(fixes[0].groundSpeed, 12.0 / 5, 1e-6);
    EXPECT_NEAR(fixes[3].groundSpeed, 60.0 / 5, 1e-6);
    EXPECT_NEAR(fixes[6].groundSpeed, 64.0 / 5, 1e-6);
    EXPECT_EQ(fixes[0].climbRate, 0.0f);
    EXPECT_FLOAT_EQ(fixes[1].climbRate, 5.0f);      // mean of 0, 10
    EXPECT_FLOAT_EQ(fixes[2].climbRate, 20.0f / 3); // mean of 0, 10, 10
    EXPECT_FLOAT_EQ(fixes[5].climbRate, 10.0f);     // mean of five 10s
    EXPECT_FLOAT_EQ(fixes[6].climbRate, 12.0f / 2); // mean of 10, 10, 10, 10, 20 over 2 s
}

TEST(FlightMotion, NoTimeBetweenFixesKeepsTheClimbRate) {
    auto fixes = Track({{1, 0.01}, {0, 0.0}}, {0, 10, 30});
    DeriveSpeedAndClimb(fixes);
    EXPECT_FLOAT_EQ(fixes[2].climbRate, fixes[1].climbRate);
}

} // namespace
} // namespace vantrel
