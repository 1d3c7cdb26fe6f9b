#include "navpoints/NavpointFile.h"

#include "TemporaryFolder.h"
#include "navpoints/Attributes.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace navpoints {
namespace {

using namespace attribute;

const char* const kHomefield = "12,51:30.500N,000:07.250W,328F,TAS,HOMEFIELD,RWY 27";

NavpointList ReadText(const std::string& text, int* count = nullptr) {
    NavpointList list;
    std::istringstream in(text);
    const int read = ReadNavpoints(in, list);
    if (count)
        *count = read;
    return list;
}

TEST(NavpointFile, HomefieldLineBothWays) {
    const NavpointList list = ReadText(std::string(kHomefield) + "\n");
    ASSERT_EQ(list.Count(), 1);
    const Navpoint& homefield = *list.Find(12);
    EXPECT_NEAR(homefield.Latitude(), 51.508333, 1e-6);
    EXPECT_NEAR(homefield.Longitude(), -0.120833, 1e-6);
    EXPECT_NEAR(homefield.Elevation(), 99.97, 0.005);
    EXPECT_EQ(homefield.Attributes(), kTurnpoint | kAirfield | kStart);
    EXPECT_EQ(homefield.Name(), "HOMEFIELD");
    EXPECT_EQ(homefield.Remark(), "RWY 27");
    EXPECT_EQ(NavpointLine(homefield), kHomefield);
}

TEST(NavpointFile, LineForms) {
    struct Case {
        const char* what;
        const char* line;
        bool read;
        double latitude = 0;
        double longitude = 0;
        float elevation = 0;
        const char* name = "";
        const char* remark = "";
    };
    const Case cases[]{
        {"minutes and seconds", "3,10:30:30N,020:15:00E,100,T,N,R", true, 10 + 30.5 / 60, 20.25,
         100, "N", "R"},
        {"CR LF line end", "3,10:30.000S,020:15.000W,100,T,N,R\r", true, -10.5, -20.25, 100, "N",
         "R"},
        {"negative elevation", "3,10:30.000N,020:15.000E,-12,T,N,R", true, 10.5, 20.25, 0, "N",
         "R"},
        {"elevation in feet", "3,10:30.000N,020:15.000E,1000F,,N,R", true, 10.5, 20.25, 304.78513f,
         "N", "R"},
        {"long name and remark, comma in remark", "3,10:30.000N,020:15.000E,0,,ABCDEFGHIJKLMN,a,b",
         true, 10.5, 20.25, 0, "ABCDEFGHIJKL", "a,b"},
        {"name without its comma", "3,10:30.000N,020:15.000E,0,T,NAME", true, 10.5, 20.25, 0,
         "NAME", ""},
        {"no hemisphere letter", "3,10:30.000,020:15.000E,0,T,N,R", false},
        {"longitude letter in the latitude", "3,10:30.000E,020:15.000E,0,T,N,R", false},
        {"minutes neither decimal nor seconds", "3,10:30N,020:15.000E,0,T,N,R", false},
        {"missing attribute delimiter", "3,10:30.000N,020:15.000E,0", false},
        {"missing degree delimiter", "3,10.30.000N,020:15.000E,0,T,N,R", false},
    };
    for (const auto& c : cases) {
        int count = -1;
        const NavpointList list = ReadText(std::string(c.line) + "\n", &count);
        ASSERT_EQ(count, c.read ? 1 : 0) << c.what;
        if (!c.read)
            continue;
        const Navpoint& navpoint = *list.Find(3);
        EXPECT_NEAR(navpoint.Latitude(), c.latitude, 1e-9) << c.what;
        EXPECT_NEAR(navpoint.Longitude(), c.longitude, 1e-9) << c.what;
        EXPECT_FLOAT_EQ(navpoint.Elevation(), c.elevation) << c.what;
        EXPECT_EQ(navpoint.Name(), c.name) << c.what;
        EXPECT_EQ(navpoint.Remark(), c.remark) << c.what;
    }
}

TEST(NavpointFile, WhichLinesAreRead) {
    int count = 0;
    const NavpointList list = ReadText("** comment\n"
                                       "7,10:00.000N,020:00.000E,0,T,FIRST,\n"
                                       "\n"
                                       "8,garbage\n"
                                       "7,11:00.000N,020:00.000E,0,T,SECOND,\n"
                                       "9,12:00.000N,020:00.000E,0,T,THIRD,\n"
                                       "0,13:00.000N,020:00.000E,0,T,STOP,\n"
                                       "10,14:00.000N,020:00.000E,0,T,AFTER,\n",
                                       &count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Find(7)->Name(), "SECOND");
    EXPECT_EQ(list.Find(9)->Name(), "THIRD");
    EXPECT_EQ(list.Find(10), nullptr) << "id 0 ends the reading";

    EXPECT_EQ(ReadText("65536,10:00.000N,020:00.000E,0,T,BIG,\n"
                       "5,10:00.000N,020:00.000E,0,T,AFTER,\n")
                  .Count(),
              0);
}

TEST(NavpointFile, ReadingCountsTheLinesItLeavesOut) {
    NavpointList list;
    std::istringstream in("**\n"
                          "** Site : Club Field\r\n"
                          "**\n"
                          "\n"
                          "1,46:30.000N,008:00.000E,1640F,HAS,HOMEFIELD,\n"
                          "2,90:00.001N,008:00.000E,0F,T,NORTH,\n"  // off the globe
                          "3,46:30.000S,180:00.001W,0F,T,WEST,\n"   // off the globe
                          "4,90:00.000S,180:00.000E,0F,T,CORNER,\n" // on its edge
                          "5,garbage\n"                             // not a navpoint line
                          "6,46:30.000N,008:00.000E,0F,TME,SIXTH,\n"
                          "0,46:30.000N,008:00.000E,0F,T,END,\n"
                          "7,46:30.000N,008:00.000E,0F,T,AFTER,\n");
    const NavpointReading reading = ReadNavpointLines(in, list);
    EXPECT_EQ(reading.read, 3);
    EXPECT_EQ(reading.unreadable, 3);
    EXPECT_EQ(reading.endedAtLine, 11);
    EXPECT_FALSE(reading.failed);
    EXPECT_EQ(reading.siteName, "Club Field");
    EXPECT_NE(list.Find(4), nullptr);
    EXPECT_EQ(list.Find(6)->Attributes(), kTurnpoint | kM | kE);
}

TEST(NavpointFile, AFolderIsAFailedReading) {
    korlink::test::TemporaryFolder folder;
    std::filesystem::create_directory(folder / "site.dat");
    std::ifstream in(folder / "site.dat", std::ios::binary);
    ASSERT_TRUE(in) << "a folder opens as a stream";
    NavpointList list;
    const NavpointReading reading = ReadNavpointLines(in, list);
    EXPECT_TRUE(reading.failed);
    EXPECT_EQ(reading.read, 0);
    NavpointList again;
    EXPECT_EQ(ReadNavpointFile(folder / "site.dat", again), 0);
}

TEST(NavpointFile, EveryAttributeLetterWrittenIsReadBack) {
    for (std::uint32_t bits = 0; bits < 256; ++bits) {
        const std::string line = NavpointLine(Navpoint(1, "N", 46.5, 8.0, bits, 100, ""));
        EXPECT_EQ(ReadText(line).Find(1)->Attributes(), bits) << line;
    }
}

TEST(NavpointFile, OverlongLineIsCutNotSplit) {
    // The rest of a long line must not be read as a line of its own (it would end the reading
    // with an id of 0, or place a navpoint from the middle of a remark).
    const std::string longLine = "1,10:00.000N,020:00.000E,0,T,LONG," + std::string(300, 'x') +
                                 ",99,10:00.000N,020:00.000E,0,T,FAKE,";
    int count = 0;
    const NavpointList list = ReadText(longLine + "\n2,11:00.000N,020:00.000E,0,T,NEXT,\n", &count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(list.Find(1)->Remark(), std::string(12, 'x'));
    EXPECT_EQ(list.Find(2)->Name(), "NEXT");
    EXPECT_EQ(list.Find(99), nullptr);

    const std::string endless = "3,10:00.000N,020:00.000E,0,T,N," + std::string(1 << 20, 'y');
    EXPECT_EQ(ReadText(endless).Find(3)->Remark(), std::string(12, 'y'));
}

TEST(NavpointFile, WritesCoordinates) {
    struct Case {
        double latitude;
        double longitude;
        const char* coordinates;
    };
    const Case cases[]{
        {0.0005, 0.0005, "00:00.030N,000:00.030E"},
        {-0.0005, -0.0005, "00:00.030S,000:00.030W"},
        {45 + 30.999995 / 60, -(120 + 59.999995 / 60), "45:31.000N,121:00.000W"},
        {-89.999999999, 179.9999999999, "90:00.000S,180:00.000E"},
        // The nearest thousandth of a minute, not the one below.
        {45 + 30.4996 / 60, -(120 + 7.2494 / 60), "45:30.500N,120:07.249W"},
    };
    for (const auto& c : cases) {
        const std::string line = NavpointLine(Navpoint(1, "N", c.latitude, c.longitude, 0, 0, "R"));
        EXPECT_EQ(line, std::string("1,") + c.coordinates + ",0F,,N,R") << c.coordinates;
        EXPECT_EQ(ReadText(line).Count(), 1) << "reads back: " << line;
    }
}

TEST(NavpointFile, FileRoundTrip) {
    korlink::test::TemporaryFolder folder;
    NavpointList list;
    list.Put(Navpoint(2, "PLAIN", 46.25, 7.5, 0, 1500, ""));
    list.Put(Navpoint(40, "A,B\nC", -33.875, 151.25, kHome | kLandable, 12.5, "x,y\rz"));
    const auto path = folder / "site.dat";
    ASSERT_TRUE(WriteNavpointFile(path, list, "Alps\nSouth"));
    const std::string text = folder.Read("site.dat");
    // 1500 m is 4921.5 ft, written to the nearest foot.
    EXPECT_TRUE(text.starts_with("**\n** Site : Alps South\n**\n2,46:15.000N,007:30.000E,4922F,,"
                                 "PLAIN,\n40,"))
        << text;

    NavpointList read;
    EXPECT_EQ(ReadNavpointFile(path, read), 2);
    EXPECT_EQ(read.Find(2)->Attributes(), 0u);
    EXPECT_EQ(read.Find(40)->Name(), "A B C");
    EXPECT_EQ(read.Find(40)->Remark(), "x,y z");
    EXPECT_EQ(read.Find(40)->Attributes(), kHome | kLandable);
    EXPECT_NEAR(read.Find(40)->Latitude(), -33.875, 1e-9);

    EXPECT_EQ(ReadNavpointFile(folder / "missing.dat", read), 0);
    EXPECT_FALSE(WriteNavpointFile(folder / "no-such-folder" / "x.dat", list, "x"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no temporary file left behind";
}

} // namespace
} // namespace navpoints
