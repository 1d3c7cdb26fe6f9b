// The recorder's navpoint, task and declaration forms: the lines the library sends and the
// records it decodes.
#include "navpoints/RecorderNavpoints.h"

#include "navpoints/RecorderTasks.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

using navpoints::Navpoint;

TEST(RecorderNavpoints, NavpointLines) {
    struct Case {
        Navpoint navpoint;
        const char* line;
    };
    const Case cases[] = {
        // The elevation to the nearest whole metre.
        {Navpoint(12, "ABC", 46.5, -7.25, 19, 417.9f, "RWY 27"),
         "C,1,4630.0000N,00715.0000W,418,12,19,ABC         RWY 27      \r"},
        {Navpoint(12, "ABC", 46.5, -7.25, 19, 416.946f, "RWY 27"),
         "C,1,4630.0000N,00715.0000W,417,12,19,ABC         RWY 27      \r"},
        // Ten-thousandths of a minute, rounded; south and east.
        {Navpoint(7, "TWELVE CHARS", -0.0005, 179.5, 1, 0.0f, ""),
         "C,1,0000.0300S,17930.0000E,0,7,1,TWELVE CHARS            \r"},
        {Navpoint(7, "TWELVE CHARS", 45 + 30.49996 / 60, -(120 + 59.99996 / 60), 1, 0.0f, ""),
         "C,1,4530.5000N,12100.0000W,0,7,1,TWELVE CHARS            \r"},
        // Longer texts are cut to 12 characters; a negative elevation is stored as 0.
        {Navpoint(65535, "A NAME TOO LONG", 1.0, 0.0, 0, -12.0f, "REMARK TOO LONG"),
         "C,1,0100.0000N,00000.0000E,0,65535,0,A NAME TOO LREMARK TOO L\r"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NavpointLine(1, ToRecorderNavpoint(c.navpoint)), c.line) << c.line;
    EXPECT_EQ(NavpointLine(250, ToRecorderNavpoint(cases[0].navpoint)).substr(0, 6), "C,250,");
}

TEST(RecorderNavpoints, SiteLineIsSixtyFourCharacters) {
    EXPECT_EQ(SiteLine("Alps"), "YAlps" + std::string(60, ' ') + "\r");
    EXPECT_EQ(SiteLine(std::string(70, 'x')), "Y" + std::string(64, 'x') + "\r");
}

TEST(RecorderNavpoints, CountRecord) {
    const auto counts = ParseCounts(Bytes{1, 0, 48, 32});
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->count, 256u);
    EXPECT_EQ(counts->recordSize, 48u);
    EXPECT_EQ(counts->firstRecord, 32u);
    EXPECT_EQ(ParseCounts(Bytes{1, 1, 48, 32})->count, 0u) << "257 reads as none";
    EXPECT_FALSE(ParseCounts(Bytes{0, 1, 48}));
}

// An area of a 32-byte site name and `records` 48-byte records with ids 1, 2, ...
Bytes Area(std::size_t records) {
    Bytes area(32, ' ');
    area[0] = 'S';
    for (std::size_t i = 0; i < records; ++i) {
        Bytes record(48, ' ');
        record[14] = 0;
        record[15] = static_cast<std::uint8_t>(i + 1);
        area.insert(area.end(), record.begin(), record.end());
    }
    return area;
}

TEST(RecorderNavpoints, AreaDecodingStaysWithinTheArea) {
    struct Case {
        std::size_t records;
        NavpointCounts counts;
        std::size_t decoded;
    };
    const Case cases[] = {
        {3, {3, 48, 32}, 3},   {2, {3, 48, 32}, 2}, // more announced than the area holds
        {3, {3, 48, 200}, 0},                       // first record beyond the area
        {3, {3, 0, 32}, 0},                         // no record size
        {3, {3, 100, 32}, 1},                       // records larger than the rest of the area
        {3, {256, 48, 32}, 3},                      // a count the area cannot hold
    };
    for (const auto& c : cases) {
        const auto area = Area(c.records);
        const auto navpoints = DecodeNavpointArea(area, c.counts);
        ASSERT_EQ(navpoints.size(), c.decoded)
            << c.counts.recordSize << " " << c.counts.firstRecord;
        for (std::size_t i = 0; i < navpoints.size() && c.counts.recordSize == 48; ++i)
            EXPECT_EQ(navpoints[i].id, i + 1);
    }
    EXPECT_EQ(SiteNameOf(Area(0)), "S" + std::string(31, ' '));
    EXPECT_EQ(SiteNameOf(Bytes{'A', 'B', 0, 'C'}), "AB");
}

TEST(RecorderTasks, LinesAndRecord) {
    const std::int32_t numbers[] = {5, -3, 9, 1, 2, 3, 4, 5, 6, 7, 8};
    const TaskIds task = TaskFromNumbers(numbers);
    EXPECT_EQ(task, (TaskIds{5, 0, 9, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(TaskLine(3, task), "T,3,5,0,9,1,2,3,4,5,6\r");
    EXPECT_EQ(DeclareLine(9), "D,9\r");

    Bytes record(96, 0);
    record[9 * 4] = 250;
    record[9 * 9 + 8] = 7;
    const auto tasks = DecodeTaskRecord(record);
    EXPECT_EQ(tasks[4][0], 250);
    EXPECT_EQ(tasks[9][8], 7);
    EXPECT_EQ(DecodeTaskRecord(Bytes(10, 1))[1][0], 1) << "short records read as zeros beyond";
    EXPECT_EQ(DecodeTaskRecord(Bytes(10, 1))[1][1], 0);
}

TEST(RecorderTasks, DeclarationMatchesSlotBySlot) {
    // The declaration block: date and time, then 7-byte entries led by the navpoint number.
    const auto declaration = [](std::vector<std::uint8_t> numbers) {
        Bytes block(69, 0);
        block[0] = 3, block[1] = 12, block[2] = 5, block[3] = 9, block[4] = 8, block[5] = 7;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            block[6 + 7 * i] = numbers[i];
        return DecodeRecorderDeclaration(block);
    };
    struct Case {
        TaskIds task;
        std::vector<std::uint8_t> declared;
        bool matches;
    };
    const Case cases[] = {
        {{5, 7, 9}, {5, 7, 9}, true},
        {{5, 7, 9}, {5, 7}, false},
        {{5, 7}, {5, 7, 9}, false},
        {{5, 0, 9}, {5, 9}, false},
        {{}, {}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeclarationMatches(c.task, declaration(c.declared)), c.matches);
    EXPECT_EQ(DeclarationDateText(declaration({}).declared), "05/12/03  09:08:07");
    EXPECT_EQ(DeclarationDateText(declaration({}).firstFix), "00/00/00  00:00:00");
}

} // namespace
} // namespace korlink
