#include "logfiles/IgcWriter.h"

#include "CaseName.h"
#include "LogFixture.h"
#include "Signing.h"
#include "logfiles/IgcLogHash.h"
#include "logfiles/LogNaming.h"

#include <gtest/gtest.h>
#include <sstream>

namespace korlink {
namespace {

using test::ReadFile;
using test::TempFolder;

const std::filesystem::path kData = KORLINK_TEST_DATA;

std::vector<std::string> Lines(const std::string& text, char first) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] == first)
            lines.push_back(line.substr(0, line.size() - 1)); // without CR
    }
    return lines;
}

// The golden pair: a stored log made by `korsim make-log --seed 7 --fixes 400` and the IGC file
// it converts to, byte for byte (the library version stands as @VERSION@). Regenerate both
// only on purpose, with scripts/regenerate-golden.
TEST(IgcWriter, GoldenStoredLogConvertsByteForByte) {
    TempFolder folder;
    const auto converted = ConvertStoredLog(kData / "3C5Q0YA1.KOR", folder.Path());
    ASSERT_EQ(converted.status, 0u);
    EXPECT_TRUE(converted.checkPassed);
    EXPECT_EQ(converted.name, "3C5Q0YA1.IGC");
    auto expected = ReadFile(kData / "3C5Q0YA1.IGC");
    const auto at = expected.find("@VERSION@");
    ASSERT_NE(at, std::string::npos);
    expected.replace(at, 9, ProductVersion());
    EXPECT_EQ(ReadFile(folder / converted.name), expected);
}

TEST(IgcWriter, SimulatorStillMakesTheGoldenStoredLog) {
    test::LogFixture fixture(400, 7);
    const auto made = fixture.Log();
    const auto image = made.Image().first(static_cast<std::size_t>(made.TotalLength()));
    EXPECT_EQ(std::string(image.begin(), image.end()), ReadFile(kData / "3C5Q0YA1.KOR"));
}

TEST(IgcWriter, HeaderLines) {
    const test::LogFixture fixture;
    const auto text = IgcText(fixture.Log(), "9.9");
    EXPECT_EQ(text.substr(0, text.find("LZRVN0")),
              "AZRVQ0YA\r\nHFDTE051203\r\nHFFXA050\r\nHFPLTPilot:     ANNA        BERG    \r\n"
              "HFGTYGliderType: ASG 29E  \r\nHFCIDCompetitionID: VR7\r\n"
              "HFDTM100Datum: WGS-84\r\nHFRFWFIRMWAREVERSION: 2.31b \r\n"
              "HFRHWHARDWAREVERSION: 2.05 \r\nHFSITSite: Velmora Ridge Gliding Club\r\n"
              "HFTZOTimezone: 0\r\nHFUNTUnits: km,m,m/s\r\nI033638FXA3941ENL4247REX\r\n"
              "LZRVN KOR Utility DLL Vers: 9.9\r\n");
    EXPECT_EQ(Lines(text, 'L')[1],
              "LZRVN00001" + Lines(text, 'L')[1].substr(10, 17) + "000417ALSFH   HOMEFIELD");
    EXPECT_TRUE(text.ends_with("G000000000000000000000000000000000000000000000\r\n"
                               "G000  DUMMY SECURITY RECORD ADDED FOR \r\n"
                               "G000  COMPATIBILITY.  SECURITY CAN ONLY BE\r\n"
                               "G000  VERIFIED WITH THE ORIGINAL KOR FILE\r\n"
                               "G000000000000000000000000000000000000000000000\r\n"));
}

TEST(IgcWriter, TimeZoneAndUnits) {
    const test::LogFixture fixture;
    auto log = fixture.Log();
    const std::pair<std::uint32_t, const char*> zones[] = {{254, "HFTZOTimezone: 0"},
                                                           {252, "HFTZOTimezone: -1"},
                                                           {8, "HFTZOTimezone: 2"},
                                                           {127, "HFTZOTimezone: 31"},
                                                           {128, "HFTZOTimezone: -32"}};
    for (const auto& [field, line] : zones) {
        log.Header().timeZone = field;
        EXPECT_EQ(Lines(IgcText(log, ""), 'H')[9], line);
    }
    const auto unitsOffset = log.Header().FlightInfoStart();
    const std::pair<std::uint8_t, const char*> units[] = {{0, "HFUNTUnits: nmi,ft,kt"},
                                                          {2, "HFUNTUnits: km,ft,kt"},
                                                          {3, "HFUNTUnits: mi,ft,kt"},
                                                          {7, "HFUNTUnits: "}};
    for (const auto& [code, line] : units) {
        log.Image()[unitsOffset] = code;
        log.DecodeBlocks();
        EXPECT_EQ(Lines(IgcText(log, ""), 'H')[10], line);
    }
}

struct DeclarationCase {
    const char* name;
    std::vector<std::uint8_t> task;
    const char* countDigits; // last two digits of the first C line; empty: no C records
};

class DeclarationCases : public ::testing::TestWithParam<DeclarationCase> {};

TEST_P(DeclarationCases, CRecords) {
    const auto& c = GetParam();
    test::LogFixture fixture;
    fixture.SetDeclaration(c.task);
    const auto cLines = Lines(IgcText(fixture.Log(), ""), 'C');
    if (c.task.empty()) {
        EXPECT_TRUE(cLines.empty());
        return;
    }
    ASSERT_EQ(cLines.size(), c.task.size() + 3);
    const auto& d = fixture.flights[0].declared;
    char first[64];
    std::snprintf(first, sizeof first, "C%02d%02d%02d%02d%02d%02d0512030001%s", d[2], d[1], d[0],
                  d[3], d[4], d[5], c.countDigits);
    EXPECT_EQ(cLines[0], first);
    EXPECT_EQ(cLines[1], "C0000000N00000000E0000TAKEOFF    ");
    EXPECT_EQ(cLines.back(), "C0000000N00000000E0000LANDING    ");
    const auto& point = fixture.site.navpoints[c.task[0] - 1u];
    EXPECT_EQ(cLines[2].substr(18), "000" + std::to_string(c.task[0]) + point.name);
}

INSTANTIATE_TEST_SUITE_P(
    IgcWriter, DeclarationCases,
    ::testing::Values(DeclarationCase{"None", {}, ""}, DeclarationCase{"OnePoint", {3}, "00"},
                      DeclarationCase{"TwoPoints", {1, 4}, "00"},
                      DeclarationCase{"NinePoints", {1, 2, 3, 4, 5, 6, 7, 2, 1}, "07"}),
    test::CaseName{});

TEST(IgcWriter, FixLines) {
    test::LogFixture fixture;
    std::vector<korsim::FlightSample> fixes(3);
    fixes[0].time = {3, 12, 5, 10, 30, 0};
    fixes[0].latitude = -33.75; // both exact in 24 bits
    fixes[0].longitude = -70.3125;
    fixes[0].gnssAltitude = -12;
    fixes[0].pressureAltitude = 1523;
    fixes[0].accuracy = 45;
    fixes[0].engineNoise = 951;
    fixes[0].extraA = 2;
    fixes[0].flags = 132; // pilot event, not valid
    fixes[1].time = {3, 12, 5, 10, 30, 4};
    fixes[1].latitude = 24 * 360.0 / (1 << 24); // 0.030 minutes north
    fixes[2].time = {3, 12, 5, 10, 30, 8};
    fixture.SetFixes(fixes);
    const auto text = IgcText(fixture.Log(), "");
    const auto body = text.substr(text.find("E103000"));
    EXPECT_EQ(body.substr(0, body.find("G0")),
              "E103000PEV\r\n"
              "B1030003345000S07018750WV01523-0012045951030132\r\n"
              "B1030040000030N00000000EA0000000000000000000000\r\n"
              "B1030080000000N00000000EA0000000000000000000000\r\n");
}

TEST(IgcWriter, NoFixDataNoBLines) {
    test::LogFixture fixture;
    fixture.model.areas[1].clear();
    const auto text = IgcText(fixture.Log(), "");
    EXPECT_TRUE(Lines(text, 'B').empty());
    EXPECT_NE(text.find("HFDTE000000"), std::string::npos);
}

// A download whose blocks failed leaves zeros from the middle of a record on: they are not
// fixes, and neither is the record they cut short.
TEST(IgcWriter, FixDataThatNeverArrivedGivesNoFixes) {
    const test::LogFixture fixture(400);
    const auto whole = Lines(IgcText(fixture.Log(), ""), 'B');
    ASSERT_EQ(whole.size(), 400u);
    for (const std::size_t cut : {0u, 1u, 100u, 101u, 1024u, 4000u}) {
        auto log = fixture.Log();
        const auto data =
            log.MutableSection(log.Header().FixDataOffset(), log.Header().fixDataLength);
        ASSERT_LT(cut, data.size());
        std::fill(data.begin() + static_cast<std::ptrdiff_t>(cut), data.end(), 0);
        // The records that lie wholly before the cut, each ending in its end nibble.
        std::size_t records = 0;
        NibbleRecord record;
        for (std::size_t at = UnpackRecord(data, 0, kFixRecordNibbles, record);
             record.ended && at <= cut; at = UnpackRecord(data, at, kFixRecordNibbles, record))
            ++records;
        const auto fixes = Lines(IgcText(log, ""), 'B');
        EXPECT_EQ(fixes.size(), records) << cut;
        EXPECT_TRUE(std::equal(fixes.begin(), fixes.end(), whole.begin())) << cut;
    }
}

TEST(IgcWriter, ItsDummySecurityRecordIsKnownAgain) {
    const test::LogFixture fixture;
    const auto converted = IgcText(fixture.Log(), "");
    const auto gLines = [](const std::string& text) {
        IgcLogHash hash;
        hash.Feed(AsBytes(text));
        return hash.Finish().gLines;
    };
    EXPECT_TRUE(IsConverterSecurityRecord(gLines(converted)));
    std::string lineFeeds = converted;
    std::erase(lineFeeds, '\r');
    EXPECT_TRUE(IsConverterSecurityRecord(gLines(lineFeeds)));
    EXPECT_FALSE(IsConverterSecurityRecord(gLines(*korsim::SignIgcText(converted, {}))));
}

TEST(IgcWriter, DamagedDateIsClampedAndNavpointCount310WritesNone) {
    test::LogFixture fixture;
    auto log = fixture.Log();
    log.Header().navpointCount = 310;
    auto fix = korsim::EncodeFixRecord({{3, 13, 40, 1, 2, 3}});
    std::copy(fix.begin(), fix.end(), log.Image().begin() + 164);
    log.DecodeBlocks();
    const auto text = IgcText(log, "");
    EXPECT_EQ(Lines(text, 'H')[0], "HFDTE311203");
    EXPECT_EQ(Lines(text, 'L').size(), 1u); // only the library's own L record
}

TEST(IgcWriter, TwoConversionsGetTwoNamesAndWriteNoTemporaryFiles) {
    TempFolder folder;
    const test::LogFixture fixture;
    const auto path = fixture.Saved(fixture.Log(), folder.Path());
    const auto first = ConvertStoredLog(path, folder.Path());
    const auto second = ConvertStoredLog(path, folder.Path());
    EXPECT_EQ(first.name, "3C5Q0YA1.IGC");
    EXPECT_EQ(second.name, "3C5Q0YA2.IGC");
    EXPECT_EQ(ReadFile(folder / first.name), ReadFile(folder / second.name));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        ++files;
    EXPECT_EQ(files, 3u);
    EXPECT_EQ(ConvertStoredLog(folder / "missing.KOR", folder.Path()).status, 9u);
    EXPECT_EQ(ConvertStoredLog(folder / first.name, folder.Path()).status, 10u);
    EXPECT_EQ(ConvertStoredLog(path, folder / "absent").status, 7u);
}

} // namespace
} // namespace korlink
