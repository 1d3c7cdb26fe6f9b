#include "interface/LogDirectory.h"

#include "DirectoryRecord.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

using Entry = std::array<std::uint8_t, 16>;

TEST(LogDirectory, DecodesWhatTheRecorderSends) {
    const Entry later{3, 12, 5, 13, 2, 0, 3, 12, 5, 15, 40, 12, 0x88, 0x13, 0, 0};
    const Entry earlier{99, 1, 31, 23, 59, 58, 0, 2, 1, 0, 0, 2, 1, 0, 0, 0};
    Bytes directory = korsim::EncodeDirectoryRecord(later);
    const auto second = korsim::EncodeDirectoryRecord(earlier);
    directory.insert(directory.end(), second.begin(), second.end());

    const auto entries = DecodeLogDirectory(directory);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].bytes, later);
    EXPECT_EQ(entries[1].bytes, earlier);
    EXPECT_EQ(entries[0].RecordCount(), 5000u);
    EXPECT_EQ(entries[0].description, "12/05/03   13:02:00 - 15:40:12  5000 Records");
    EXPECT_EQ(entries[1].description, "01/31/99   23:59:58 - 00:00:02  1 Records");
}

TEST(LogDirectory, RecordsThatDoNotDescribeAFlight) {
    const Entry flight{3, 12, 5, 13, 2, 0, 3, 12, 5, 15, 40, 12, 7, 0, 0, 0};
    const auto record = korsim::EncodeDirectoryRecord(flight);
    // A short record (10 bytes or fewer) is skipped; one cut off by the directory's end stops
    // the split.
    Bytes directory{0x12, 0x34, 0xF0};
    directory.insert(directory.end(), record.begin(), record.end());
    directory.insert(directory.end(), record.begin(), record.end() - 1);
    const auto entries = DecodeLogDirectory(directory);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].bytes, flight);

    // Seventeen flights are listed as sixteen. Noise without end nibbles is cut into records of
    // 100 bytes, each read as a flight, until the directory's end cuts one off.
    Bytes many;
    for (int i = 0; i < 17; ++i)
        many.insert(many.end(), record.begin(), record.end());
    EXPECT_EQ(DecodeLogDirectory(many).size(), 16u);
    EXPECT_EQ(DecodeLogDirectory(Bytes(1024, 0x11)).size(), 10u);
    EXPECT_TRUE(DecodeLogDirectory({}).empty());
}

TEST(LogDirectory, LastFixFollowsTheNinthSeparatorOnOddPositions) {
    // Separator 8 at an odd position: the last fix follows it directly, the count follows
    // separator 17 (odd) here.
    std::vector<std::uint8_t> n{0, 3, 0, 12, 0, 5, 0, 13, 0, 2, 0, 0}; // 03-12-05 13:02:00
    for (int s = 0; s < 8; ++s) {
        n.push_back(14);
        n.push_back(1);
    }
    n.push_back(1); // shift: separator 8 lands on an odd position
    n.push_back(14);
    ASSERT_EQ((n.size() - 1) % 2, 1u);
    for (std::uint8_t t : {0, 3, 0, 12, 0, 5, 1, 1, 2, 12, 0, 1}) // 03-12-05 15:40:01
        n.push_back(t);
    while (std::count(n.begin(), n.end(), 14) < 17) {
        n.push_back(14);
        n.push_back(2);
    }
    if (n.size() % 2 == 0)
        n.push_back(2); // separator 17 goes to an odd position
    n.push_back(14);
    n.push_back(9); // the count after separator 17
    n.push_back(14);
    n.push_back(15);
    if (n.size() % 2)
        n.push_back(0);
    Bytes record;
    for (std::size_t i = 0; i < n.size(); i += 2)
        record.push_back(static_cast<std::uint8_t>(n[i] << 4 | n[i + 1]));
    const auto entries = DecodeLogDirectory(record);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].bytes[9], 15);
    EXPECT_EQ(entries[0].bytes[10], 40);
    EXPECT_EQ(entries[0].bytes[11], 1);
    EXPECT_EQ(entries[0].RecordCount(), 9u);
}

} // namespace
} // namespace korlink
