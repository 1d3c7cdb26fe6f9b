#include "logfiles/LogNaming.h"

#include "LogFixture.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

using test::TempFolder;
using test::WriteFile;

TEST(LogNaming, RecorderIdFromSerialNumber) {
    const std::pair<std::uint16_t, const char*> cases[] = {{0, "Q000"},     {35, "Q00Z"},
                                                           {1234, "Q0YA"},  {46655, "QZZZ"},
                                                           {46656, "1000"}, {65535, "1EKF"}};
    for (const auto& [serial, id] : cases)
        EXPECT_EQ(RecorderId(serial), id) << serial;
}

constexpr LogTime kDecember5 = {3, 12, 5, 10, 30, 0};

TEST(LogNaming, NamesCountFlightCharactersUpWithoutReplacing) {
    TempFolder folder;
    EXPECT_EQ(ChooseLogFileName(folder.Path(), kDecember5, "Q0YA", LogFileKind::StoredLog).name,
              "3C5Q0YA1.KOR");
    WriteFile(folder / "3C5Q0YA1.KOR", "x");
    EXPECT_EQ(ChooseLogFileName(folder.Path(), kDecember5, "Q0YA", LogFileKind::StoredLog).name,
              "3C5Q0YA2.KOR");
    // IGC names are counted on their own, and existing names match without regard to case.
    WriteFile(folder / "3c5q0ya1.igc", "x");
    EXPECT_EQ(ChooseLogFileName(folder.Path(), kDecember5, "Q0YA", LogFileKind::Igc).name,
              "3C5Q0YA2.IGC");
    for (unsigned n = 2; n <= 9; ++n)
        WriteFile(folder / LogFileName(kDecember5, "Q0YA", n, LogFileKind::StoredLog), "x");
    const auto tenth = ChooseLogFileName(folder.Path(), kDecember5, "Q0YA", LogFileKind::StoredLog);
    EXPECT_EQ(tenth.name, "3C5Q0YAA.KOR");
    EXPECT_FALSE(tenth.replaces);
    for (unsigned n = 10; n <= 35; ++n)
        WriteFile(folder / LogFileName(kDecember5, "Q0YA", n, LogFileKind::StoredLog), "x");
    const auto full = ChooseLogFileName(folder.Path(), kDecember5, "Q0YA", LogFileKind::StoredLog);
    EXPECT_EQ(full.name, "3C5Q0YAZ.KOR");
    EXPECT_TRUE(full.replaces);
}

TEST(LogNaming, DateCharacters) {
    EXPECT_EQ(LogFileName({99, 1, 31, 0, 0, 0}, "Q0YA", 1, LogFileKind::Igc), "91VQ0YA1.IGC");
    EXPECT_EQ(LogFileName({10, 10, 9, 0, 0, 0}, "1EKF", 35, LogFileKind::StoredLog),
              "0A91EKFZ.KOR");
    // Numbers no character stands for come only from damaged dates.
    EXPECT_EQ(LogFileName({3, 13, 195, 0, 0, 0}, "Q0YA", 1, LogFileKind::StoredLog),
              "3D_Q0YA1.KOR");
}

TEST(LogNaming, FindsSavedLogsByStartTimeWhateverTheirCase) {
    TempFolder folder;
    const test::LogFixture fixture;
    const auto log = fixture.Log();
    const auto start = log.FirstFix().time;
    const auto first = log.Save(folder.Path()).name;
    const auto second = log.Save(folder.Path()).name;
    EXPECT_EQ(first.substr(first.size() - 5), "1.KOR");
    // The newest copy is found first.
    EXPECT_EQ(FindStoredLogByStartTime(folder.Path(), start, "Q0YA"), second);
    auto other = start;
    ++other[5];
    EXPECT_FALSE(FindStoredLogByStartTime(folder.Path(), other, "Q0YA"));
    // A lower-case copy from another system is found too.
    std::filesystem::rename(folder / second, folder / "lower.tmp");
    std::filesystem::rename(folder / "lower.tmp", folder / "3c5q0ya2.kor");
    EXPECT_EQ(FindStoredLogByStartTime(folder.Path(), start, "Q0YA"), "3c5q0ya2.kor");
}

// A copy that fails its check (as a download whose blocks failed leaves it) is not the flight;
// an older good copy still is.
TEST(LogNaming, SearchPassesOverCopiesThatFailTheirCheck) {
    TempFolder folder;
    const test::LogFixture fixture;
    const auto log = fixture.Log();
    auto incomplete = log;
    const auto data =
        incomplete.MutableSection(log.Header().FixDataOffset(), log.Header().fixDataLength);
    std::fill(data.begin() + 100, data.end(), 0);
    EXPECT_EQ(incomplete.Save(folder.Path()).name, "3C5Q0YA1.KOR");
    EXPECT_FALSE(FindStoredLogByStartTime(folder.Path(), log.FirstFix().time, "Q0YA"));
    log.Save(folder.Path());
    incomplete.Save(folder.Path());
    EXPECT_EQ(FindStoredLogByStartTime(folder.Path(), log.FirstFix().time, "Q0YA"), "3C5Q0YA2.KOR");
}

TEST(LogNaming, SearchStopsAtTheFirstUnreadableCandidate) {
    TempFolder folder;
    const test::LogFixture fixture;
    const auto log = fixture.Log();
    log.Save(folder.Path());
    WriteFile(folder / "3C5Q0YA2.KOR", "not a stored log");
    EXPECT_FALSE(FindStoredLogByStartTime(folder.Path(), log.FirstFix().time, "Q0YA"));
}

} // namespace
} // namespace korlink
