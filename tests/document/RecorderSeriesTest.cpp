#include "document/RecorderSeries.h"

#include "IgcText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::BRecord;
using test::Header;

TEST(RecorderSeries, TheHardwareVersionNamesTheSigningSeries) {
    const std::pair<const char*, bool> cases[] = {
        {"Strata 2.05", true}, {"VR Strata-X", true}, {"2.05", false},
        {"", false},           {"strata", false}, // the series is named as the maker writes it
    };
    for (const auto& [version, signing] : cases) {
        IgcHeader header;
        header.hardwareVersion = version;
        EXPECT_EQ(FromSigningSeries(header), signing) << version;
    }
}

// The header is read however long it is, and the fixes behind it are not needed.
TEST(RecorderSeries, HeaderOfAFileStopsAtItsFixes) {
    korlink::test::TempFolder folder;
    std::string navpoints;
    for (int i = 0; i < 600; ++i)
        navpoints += "LZRVN00001 a navpoint record of the flight's site\r\n";
    const auto header = Header("050312", "HFRHWHARDWAREVERSION: Strata 2.05 \r\n") + navpoints;
    std::string fixes;
    for (int i = 0; i < 2000; ++i)
        fixes += BRecord(10, i / 60 % 60, i % 60, 46.5, 8.1);
    const auto path = folder / "long.igc";
    korlink::test::WriteFile(path, header + fixes + "HFRHWHARDWAREVERSION: not read \r\n");
    const auto read = ReadHeaderOfFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->hardwareVersion, "Strata 2.05");
    EXPECT_EQ(read->date.day, 5);
    EXPECT_TRUE(FromSigningSeries(*read));

    korlink::test::WriteFile(folder / "empty.igc", "");
    ASSERT_TRUE(ReadHeaderOfFile(folder / "empty.igc"));
    EXPECT_FALSE(FromSigningSeries(*ReadHeaderOfFile(folder / "empty.igc")));
    EXPECT_FALSE(ReadHeaderOfFile(folder / "missing.igc"));
    EXPECT_FALSE(ReadHeaderOfFile(folder.Path()));
}

} // namespace
} // namespace vantrel
