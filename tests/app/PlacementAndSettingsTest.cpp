// "WindowPos", the settings' defaults and damaged values, and the status-bar progress scale.
#include "ProgramSandbox.h"
#include "app/StatusBarProgress.h"
#include "app/WindowPlacement.h"
#include "document/Units.h"
#include "settings/ProgramSettings.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ProgramSandbox;

TEST(WindowPlacement, ExactlyTenNumbersParse) {
    const auto parsed = ParsePlacement("2,3,-1,-1,-8,-8,10,20,810,620");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->flags, 2u);
    EXPECT_EQ(parsed->showCommand, 3u);
    EXPECT_EQ(parsed->maximizedX, -8);
    EXPECT_EQ(parsed->left, 10);
    EXPECT_EQ(parsed->bottom, 620);
    EXPECT_EQ(FormatPlacement(*parsed), "2,3,-1,-1,-8,-8,10,20,810,620");
    for (const char* bad :
         {"", "1,1,0,0,0,0,0,0,100", "1,1,0,0,0,0,0,0,100,100,5", "1,1,0,0,0,0,0,0,100,100,",
          "1,1,0,0,0,0,0,0,100,x", " 1,1,0,0,0,0,0,0,9,9", "-1,1,0,0,0,0,0,0,100,100",
          "1,1,0,0,0,0,0,0,100,99999999999", "1;1;0;0;0;0;0;0;100;100",
          "1,1,0,0,0,0,0,0,100,100\n"})
        EXPECT_FALSE(ParsePlacement(bad)) << '"' << bad << '"';
}

TEST(WindowPlacement, SizesAndShowCommands) {
    WindowPlacement p;
    p.left = 10;
    p.top = 10;
    p.right = 810;
    p.bottom = 610;
    EXPECT_TRUE(HasUsableRectangle(p));
    for (const auto& [right, bottom] : {std::pair{10, 610}, {5, 610}, {810, -20}, {100000, 610}}) {
        WindowPlacement bad = p;
        bad.right = right;
        bad.bottom = bottom;
        EXPECT_FALSE(HasUsableRectangle(bad)) << right << "," << bottom;
    }
    p.showCommand = kShowMinimized;
    EXPECT_EQ(RestoredShowCommand(kShowNormal, p), kShowNormal) << "never starts minimised";
    p.showCommand = kShowMaximized;
    EXPECT_EQ(RestoredShowCommand(kShowNormal, p), kShowMaximized);
    EXPECT_EQ(RestoredShowCommand(kShowMinimized, p), kShowMinimized);
}

TEST(ProgramSettings, DefaultsOfAnEmptyStore) {
    ProgramSandbox sandbox;
    const ProgramSettings settings;
    EXPECT_EQ(settings.FlightLogFolder(), QDir::homePath() + QStringLiteral("/KOR/Flights"));
    EXPECT_STREQ(DistanceUnitName(settings.Units()), "Miles");
    EXPECT_STREQ(AltitudeUnitName(settings.AltitudeUnits()), "ft");
    EXPECT_EQ(settings.CommPort(), 1);
    EXPECT_EQ(settings.CommPort(0), 0);
    const ConnectionDescriptor ordinary = settings.Descriptor();
    EXPECT_EQ(ordinary.port, 1);
    EXPECT_EQ(ordinary.language, 0);
    EXPECT_EQ(ordinary.retries, 10);
    EXPECT_EQ(ordinary.quiet, 0);
    const ConnectionDescriptor probe = ProbingDescriptor(5);
    EXPECT_EQ(probe.port, 5);
    EXPECT_EQ(probe.retries, 0);
    EXPECT_EQ(probe.quiet, 1);
}

TEST(ProgramSettings, DamagedValuesReadAsTheirDefaults) {
    ProgramSandbox sandbox;
    ProgramSandbox::Set(QStringLiteral("Units"), QStringLiteral("kilometres"));
    ProgramSandbox::Set(QStringLiteral("AltitudeUnits"), QStringLiteral(""));
    ProgramSandbox::Set(QStringLiteral("CommPort"), QStringLiteral("3"));
    ProgramSettings settings;
    EXPECT_EQ(settings.Units(), 0);
    EXPECT_EQ(settings.AltitudeUnits(), 0);
    EXPECT_EQ(settings.CommPort(), 3);
    settings.SetUnits(2);
    EXPECT_EQ(settings.Units(), 2);
    EXPECT_STREQ(DistanceUnitName(settings.Units()), "Km");
}

TEST(StatusBarProgress, ScaleOfFiftySteps) {
    EXPECT_EQ(ProgressStep(0, 0, 10), 0);
    EXPECT_EQ(ProgressStep(5, 0, 10), 25);
    EXPECT_EQ(ProgressStep(10, 0, 10), 50);
    EXPECT_EQ(ProgressStep(1, 0, 3), 17) << "16.67 rounds up";
    EXPECT_EQ(ProgressStep(1, 0, 7), 7) << "7.14 rounds down";
    EXPECT_EQ(ProgressStep(5, 10, 0), 25) << "the range in either order";
    EXPECT_EQ(ProgressStep(20, 0, 10), 50) << "at most 50";
    EXPECT_EQ(ProgressStep(-5, 0, 10), 0);
    EXPECT_EQ(ProgressStep(3, 3, 3), 50) << "an empty range";
}

} // namespace
} // namespace vantrel
