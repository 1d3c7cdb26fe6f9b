#include "document/IgcFlight.h"

#include "IgcText.h"
#include "document/LocalClock.h"
#include "document/Units.h"
#include "navpoints/Attributes.h"

#include <gtest/gtest.h>
#include <optional>

namespace vantrel {
namespace {

using test::BRecord;
using test::Header;

IgcFlight Read(const std::string& text, TimeSettings settings = {}, bool withNavpoints = true) {
    IgcFlight flight;
    flight.ReadHeaderText(text);
    if (flight.HeaderRead())
        flight.ReadFixesText(text, settings, withNavpoints, 0);
    return flight;
}

TEST(IgcHeader, Records) {
    struct Case {
        const char* what;
        std::string text;
        std::string error = {};
        FlightDate date = {};
        int timeZoneMinutes = 0;
        std::string gliderType = {};
        std::string gliderId = {};
        std::string pilot = {};
    };
    const std::string longName(300, 'N');
    const Case cases[]{
        {"date", "AZRVQ0YA\nHFDTE010204\n", "", {1, 2, 2004}},
        {"year 80 is 1980", "HFDTE010280\n", "", {1, 2, 1980}},
        {"year 79 is 2079", "HFDTE311279\n", "", {31, 12, 2079}},
        {"current date form", "HFDTEDATE:150723,01\n", "", {15, 7, 2023}},
        {"9-character date on line 2", "AZRVQ0YA\nHFDTE0102\n",
         "ERROR occured on line : 2; RecordType : H "},
        {"day out of range", "HFDTE320104\n", "ERROR occured on line : 1; RecordType : H "},
        {"month out of range", "\n\nHFDTE011304\n", "ERROR occured on line : 3; RecordType : H "},
        {"short A record", "AZRV\n", "ERROR occured on line : 1; RecordType : A "},
        {"glider type in a GID record", "HFGIDGliderType: LS8\n", "", {}, 0, "LS8", ""},
        {"glider id", "HFGIDGLIDERID: D-1234 \n", "", {}, 0, "", "D-1234"},
        {"zone UTC-05:00", "HFTZNTIMEZONE:UTC-05:00\n", "", {}, -300},
        {"zone empty", "HFTZNTIMEZONE:\n", "", {}, 0},
        {"zone without colon", "HFTZN5\n", "", {}, 0},
        {"zone not a number", "HFTZNTIMEZONE:local\n", "", {}, 0},
        {"converted zone", "HFTZOTimezone: 2\n", "", {}, 120},
        // Zones with minutes are kept to the minute.
        {"zone +5:30", "HFTZNTIMEZONE:+5:30\n", "", {}, 330},
        {"zone in decimal hours", "HFTZNTIMEZONE:+5.50\n", "", {}, 330},
        {"zone +5:45", "HFTZNTIMEZONE:UTC+05:45\n", "", {}, 345},
        {"zone +9:30", "HFTZNTIMEZONE: 9:30\n", "", {}, 570},
        {"zone -3:30", "HFTZNTIMEZONE:-3:30\n", "", {}, -210},
        {"zone -3.5", "HFTZNTIMEZONE:-3.5\n", "", {}, -210},
        {"pilot without a colon", "HFPLT123456 Jo Smith \n", "", {}, 0, "", "", "Jo Smith"},
        {"long pilot record read whole",
         "HFPLTPILOT:" + longName + "\n",
         "",
         {},
         0,
         "",
         "",
         longName},
        {"records after the first fix are not header",
         BRecord(10, 0, 0, 1, 1) + "HFDTE0102\nHFPLTPILOT:late\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IgcFlight flight;
        flight.ReadHeaderText(c.text);
        EXPECT_EQ(flight.HeaderRead(), c.error.empty());
        EXPECT_EQ(flight.ErrorText(), c.error);
        EXPECT_EQ(flight.Date(), c.date);
        EXPECT_EQ(flight.TimeZoneMinutes(), c.timeZoneMinutes);
        EXPECT_EQ(flight.Header().gliderType, c.gliderType);
        EXPECT_EQ(flight.Header().gliderId, c.gliderId);
        EXPECT_EQ(flight.Header().pilot, c.pilot);
    }
}

TEST(IgcHeader, ConvertedFileFields) {
    IgcFlight flight;
    flight.ReadHeaderText(Header() + "HFSITSite: Lasham \r\nHFRHWHARDWAREVERSION: 2.05 \r\n");
    const IgcHeader& header = flight.Header();
    EXPECT_EQ(header.manufacturer, "ZRV");
    EXPECT_EQ(header.recorderId, "Q0YA");
    EXPECT_EQ(header.pilot, "Anna Berg");
    EXPECT_EQ(header.gliderType, "LS8");
    EXPECT_EQ(header.competitionId, "AB");
    EXPECT_EQ(header.site, "Lasham");
    EXPECT_EQ(header.hardwareVersion, "2.05");
    EXPECT_EQ(header.timeZoneMinutes, 120);
    EXPECT_EQ((std::array{header.fxaStart, header.fxaEnd, header.enlStart, header.enlEnd}),
              (std::array{36, 38, 39, 41}));
}

TEST(IgcDeclaration, Blocks) {
    const std::string block = "C010204103000010204000101\r\n"
                              "C0000000N00000000E0000TAKEOFF    \r\n"
                              "C5130500N00007250W0012HOMEFIELD\r\n"
                              "C5200000S01030000E0003TURN ONE  \r\n"
                              "C5130500N00007250W0012HOMEFIELD\r\n"
                              "C0000000N00000000E0000LANDING    \r\n";
    // A second block that breaks off after two points; the record after it is still read.
    const std::string broken = "C010204103000010204000202\r\nC0000000N00000000E0000TAKEOFF\r\n"
                               "C5130500N00007250W0012HOMEFIELD\r\nHFPLTPILOT:Late Record\r\n";
    // A first line too short for its fields: an empty declaration, its points passed over.
    const std::string shortBlock = "C0102\r\nC5130500N00007250W0012HOMEFIELD\r\n";
    IgcFlight flight;
    flight.ReadHeaderText(Header() + block + broken + shortBlock + BRecord(10, 0, 0, 51, 0));
    ASSERT_TRUE(flight.HeaderRead());
    ASSERT_EQ(flight.Declarations().size(), 3u);

    const IgcDeclaration& first = *flight.Declaration(0);
    EXPECT_EQ(first.taskNumber, 1);
    EXPECT_EQ(first.turnpointCount, 1);
    EXPECT_EQ(first.declarationTime, LocalTime({1, 2, 2004}, 10, 30, 0));
    EXPECT_EQ(first.plannedDate, LocalTime({1, 2, 2004}, 0, 0, 0));
    ASSERT_EQ(first.points.size(), 5u);
    EXPECT_NEAR(first.points[2].latitude, -52.0, 1e-9);
    EXPECT_NEAR(first.points[2].longitude, 10.5, 1e-9);
    // The text after the coordinates: converted files put the navpoint number first.
    EXPECT_EQ(first.points[2].name, "0003TURN ONE");
    EXPECT_NEAR(first.points[1].longitude, -(7.25 / 60), 1e-9);
    ASSERT_TRUE(flight.DeclaredPointAt(4).has_value());
    EXPECT_EQ(flight.DeclaredPointAt(4)->name, "0000LANDING");
    EXPECT_FALSE(flight.DeclaredPointAt(5).has_value());

    EXPECT_EQ(flight.Declaration(1)->points.size(), 2u);
    EXPECT_EQ(flight.Header().pilot, "Late Record");
    EXPECT_TRUE(flight.Declaration(2)->points.empty());
    EXPECT_EQ(flight.Declaration(2)->declarationTime, 0);
    EXPECT_EQ(flight.Declaration(3), nullptr);
}

TEST(IgcDeclaration, OutOfRangeDatesAreZero) {
    IgcFlight flight;
    flight.ReadHeaderText("C320204103000000000000100\r\n");
    ASSERT_EQ(flight.Declarations().size(), 1u);
    EXPECT_EQ(flight.Declaration(0)->declarationTime, 0);
    EXPECT_EQ(flight.Declaration(0)->plannedDate, 0);
    EXPECT_EQ(flight.Declaration(0)->taskNumber, 1);
}

TEST(IgcFixes, Records) {
    struct Case {
        const char* what;
        std::string record;
        int fixes;
        int invalid;
    };
    const std::string valid = BRecord(10, 0, 0, 51.5, -0.1);
    const Case cases[]{
        {"valid", valid, 1, 0},
        {"V fix", BRecord(10, 0, 0, 51.5, -0.1, 500, 510, 'V'), 0, 1},
        {"shorter than 25", "B1000005130000N00006000\r\n", 0, 1},
        {"exactly 25 with A", "B1000005130000N00006000WA\r\n", 0, 0},
        {"A but no position", "B100000XXXXXXXN00006000WA0050000510\r\n", 0, 1},
        {"no altitudes", "B1000005130000N00006000WA0\r\n", 1, 0},
        {"leading blanks", "   " + valid, 1, 0},
        {"B record text inside a long L record", "LXXX" + std::string(75, 'x') + valid, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const IgcFlight flight = Read(Header() + c.record);
        EXPECT_EQ(flight.FixCount(), c.fixes);
        EXPECT_EQ(flight.InvalidFixCount(), c.invalid);
    }
}

TEST(IgcFixes, FixFields) {
    const std::string extended =
        BRecord(10, 0, 1, 51.5, -0.1, 1000, -12, 'A', 7, 123).substr(0, 41) +
        std::string(200, '9') + "\r\n";
    const IgcFlight flight = Read(Header() + BRecord(10, 0, 0, -33.5, 151.25, 300, 310) + extended);
    ASSERT_EQ(flight.FixCount(), 2);
    const IgcFix& first = *flight.Fix(0);
    EXPECT_EQ(first.latitudeDegrees, 33);
    EXPECT_DOUBLE_EQ(first.latitudeMinutes, 30.0);
    EXPECT_EQ(first.south, 1);
    EXPECT_EQ(first.west, 0);
    EXPECT_DOUBLE_EQ(first.Longitude(), 151.25);
    EXPECT_EQ(first.pressureAltitude, 984); // 300 m
    EXPECT_EQ(first.gpsAltitude, 1017);
    EXPECT_DOUBLE_EQ(first.accuracy, 50 * kNauticalMilesPerMetre);
    EXPECT_EQ(first.turnpoints.Mark(23), -1);
    EXPECT_EQ(first.turnpoints.Distance(0), 0.0);

    const IgcFix& second = *flight.Fix(1);
    EXPECT_EQ(second.pressureAltitude, 3280);
    EXPECT_EQ(second.gpsAltitude, -39);
    EXPECT_DOUBLE_EQ(second.accuracy, 7 * kNauticalMilesPerMetre);
    EXPECT_EQ(second.engineNoiseLevel, 123);
    EXPECT_EQ(flight.MaxPressureAltitude(), 3280);
    EXPECT_EQ(flight.MaxGpsAltitude(), 1017);
    EXPECT_EQ(flight.Fix(2), nullptr);
    EXPECT_EQ(flight.Fix(-1), nullptr);
}

TEST(IgcFixes, WithoutExtensionsAccuracyIs30Metres) {
    const IgcFlight flight =
        Read("HFDTE010204\r\n" + BRecord(10, 0, 0, 51.5, -0.1, 500, 510, 'A', 7, 99));
    ASSERT_EQ(flight.FixCount(), 1);
    EXPECT_NEAR(flight.Fix(0)->accuracy, 0.016187788898466, 1e-15);
    EXPECT_EQ(flight.Fix(0)->engineNoiseLevel, 0);
}

TEST(IgcFixes, MidnightRollsOverOnce) {
    test::ScopedTimeZone zone("UTC");
    const IgcFlight flight =
        Read(Header("310104") + BRecord(23, 59, 58, 51, 0) + BRecord(0, 0, 2, 51, 0) +
                 BRecord(14, 0, 0, 51, 0) + BRecord(1, 0, 0, 51, 0),
             {2, 0});
    ASSERT_EQ(flight.FixCount(), 4);
    const auto& fixes = flight.Fixes();
    EXPECT_EQ(fixes[0].time, LocalTime({31, 1, 2004}, 23, 59, 58));
    EXPECT_EQ(fixes[1].time - fixes[0].time, 4);
    EXPECT_EQ(fixes[2].time, LocalTime({1, 2, 2004}, 14, 0, 0));
    EXPECT_EQ(fixes[3].time, LocalTime({1, 2, 2004}, 1, 0, 0));
    EXPECT_EQ(flight.FirstRecordTime(), UtcSeconds({31, 1, 2004}, 23, 59, 58));
    EXPECT_EQ(flight.LastRecordTime(), UtcSeconds({1, 2, 2004}, 1, 0, 0));
    EXPECT_EQ(flight.Date(), (FlightDate{31, 1, 2004}));
}

TEST(IgcFixes, TimeShiftOfTheOptions) {
    struct Case {
        const char* what;
        const char* zone;
        TimeSettings settings;
        const char* flightZone;
        int shiftMinutes;
    };
    const Case cases[]{
        {"computer zone west", "EST5", {0, 0}, "UTC-05:00", 300},
        {"computer zone east", "CET-1", {0, 0}, "UTC-05:00", -60},
        {"computer zone with minutes", "IST-5:30", {0, 0}, "UTC-05:00", -330},
        {"flight zone -5", "CET-1", {1, 0}, "UTC-05:00", 300},
        {"flight zone +5:45", "CET-1", {1, 0}, "+5:45", -345},
        {"flight zone +5.50", "CET-1", {1, 0}, "+5.50", -330},
        {"user offset", "EST5", {2, 180}, "UTC-05:00", -180},
        {"user offset -3:30", "EST5", {2, -210}, "UTC-05:00", 210},
        {"unknown option is the computer's", "EST5", {7, 180}, "UTC-05:00", 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScopedTimeZone zone(c.zone);
        const std::string record = BRecord(12, 0, 0, 51, 0);
        const IgcFlight flight =
            Read("HFDTE010204\r\nHFTZNTIMEZONE:" + std::string(c.flightZone) + "\r\n" + record,
                 c.settings);
        ASSERT_EQ(flight.FixCount(), 1);
        EXPECT_EQ(flight.TimeShiftMinutes(), c.shiftMinutes);
        EXPECT_EQ(flight.Fix(0)->time, LocalTime({1, 2, 2004}, 12, -c.shiftMinutes, 0));
    }
}

TEST(IgcFixes, ZoneTexts) {
    struct Case {
        const char* text;
        std::optional<int> minutes;
    };
    const Case cases[]{
        {"5", 300},         {"-3", -180},        {"5.5", 330},          {"+5.75", 345},
        {"-3:30", -210},    {"+09:30", 570},     {"UTC+0545", 345},     {"GMT -1", -60},
        {"0", 0},           {"24", 1440},        {"+5:30 IST", 330},    {"25", std::nullopt},
        {"", std::nullopt}, {"+", std::nullopt}, {"abc", std::nullopt}, {"123", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZoneMinutesOf(c.text), c.minutes) << c.text;
}

TEST(IgcFixes, DaylightSavingInForceNowTakesAnHourOff) {
    test::ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
    const std::time_t july = UtcSeconds({1, 7, 2024}, 12, 0, 0);
    const std::time_t january = UtcSeconds({1, 1, 2024}, 12, 0, 0);
    EXPECT_EQ(ComputerZoneMinutes(july), 240);
    EXPECT_EQ(ComputerZoneMinutes(january), 300);
}

TEST(IgcFixes, LogNavpointsAndConvertedMark) {
    const std::string text = Header() +
                             "LZRVN KOR Utility DLL Vers: 1.0\r\n"
                             "LZRVN000125130500N00007250W000100TAS     HOMEFIELD\r\n"
                             "LZRVN000035200000S01030000E000000F       FINISH\r\n"
                             "LZRVN01000bad\r\n" +
                             BRecord(10, 0, 0, 51, 0);
    const IgcFlight flight = Read(text);
    const auto& list = flight.LogNavpoints();
    ASSERT_EQ(list.Count(), 2);
    const auto& home = *list.Find(12);
    EXPECT_NEAR(home.Latitude(), 51.508333, 1e-6);
    EXPECT_NEAR(home.Longitude(), -0.120833, 1e-6);
    EXPECT_FLOAT_EQ(home.Elevation(), 100.0f);
    using namespace navpoints::attribute;
    EXPECT_EQ(home.Attributes(), kTurnpoint | kAirfield | kStart);
    EXPECT_EQ(home.Name(), "HOMEFIELD");
    EXPECT_EQ(list.Find(3)->Attributes(), kFinish);
    EXPECT_NEAR(list.Find(3)->Latitude(), -52.0, 1e-9);
    EXPECT_FALSE(flight.Converted());

    EXPECT_TRUE(Read(Header() + "LXXXCONV-ZRV 2.1\r\n").Converted());
    EXPECT_EQ(Read(text, {}, false).LogNavpoints().Count(), 0);
}

TEST(IgcFixes, FileThatCannotBeOpened) {
    IgcFlight flight("/nonexistent/flight.igc");
    EXPECT_TRUE(flight.HeaderRead());
    EXPECT_FALSE(flight.ReadFixes({}, true));
    EXPECT_FALSE(flight.FirstFixTime().has_value());
    IgcFlight folder("/");
    EXPECT_FALSE(folder.ReadFixes({}, true));
}

} // namespace
} // namespace vantrel
