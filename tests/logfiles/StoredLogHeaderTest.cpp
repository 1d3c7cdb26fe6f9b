#include "logfiles/StoredLogHeader.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

std::optional<StoredLogHeader> Parse(std::string_view text) {
    std::string padded(text);
    padded.resize(StoredLogHeader::kLength, '\0');
    return ParseStoredLogHeader(AsBytes(padded));
}

TEST(StoredLogHeader, ReadsEveryField) {
    const auto header =
        Parse("Q0YA,0,VR7,0,ANNA BERG,2628,252,100,64,57824,57993,57988,100,69,32,48,7,32|");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->recorderId, "Q0YA");
    EXPECT_EQ(header->competitionId, "VR7");
    EXPECT_EQ(header->pilotName, "ANNA BERG");
    EXPECT_EQ(header->fixCountEstimate, 2628u);
    EXPECT_EQ(header->timeZone, 252u);
    EXPECT_EQ(header->fixDataLength, 57824u);
    EXPECT_EQ(header->coveredSpan, 57993u);
    EXPECT_EQ(header->flightInfoOffset, 57988u);
    EXPECT_EQ(header->recorderInfoLength, 32u);
    EXPECT_EQ(header->navpointCount, 7u);
    EXPECT_EQ(header->siteLength, 32u);
    EXPECT_EQ(header->TotalLength(), 100u + 64 + 57824 + 100 + 69 + 32 + 32 + 48 * 7);
}

struct HeaderCase {
    const char* name;
    const char* text;
    bool valid;
    std::uint32_t declaration, recorderInfo, recordSize, navpoints, site;
};

class HeaderCases : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderCases, DefaultsAndRejections) {
    const auto& c = GetParam();
    const auto header = Parse(c.text);
    ASSERT_EQ(header.has_value(), c.valid);
    if (!header)
        return;
    EXPECT_EQ(header->declarationLength, c.declaration);
    EXPECT_EQ(header->recorderInfoLength, c.recorderInfo);
    EXPECT_EQ(header->navpointRecordSize, c.recordSize);
    EXPECT_EQ(header->navpointCount, c.navpoints);
    EXPECT_EQ(header->siteLength, c.site);
}

INSTANTIATE_TEST_SUITE_P(
    StoredLogHeader, HeaderCases,
    ::testing::Values(
        HeaderCase{"StopsAfterField13", "Q0YA,0,VR7,0,P,10,0,100,64,220,389,384,100|", true, 69, 41,
                   48, 65, 0},
        HeaderCase{"StopsAfterField12", "Q0YA,0,VR7,0,P,10,0,100,64,220,389,384|", false, 0, 0, 0,
                   0, 0},
        HeaderCase{"StopsAfterField16", "Q0YA,0,VR7,0,P,10,0,100,64,220,389,384,100,69,32,40|",
                   true, 69, 32, 40, 65, 0},
        HeaderCase{"FirstFieldOf15", "ABCDEFGHIJKLMNO,0,C,0,P,1,0,100,64,0,169,164,100|", true, 69,
                   41, 48, 65, 0},
        HeaderCase{"FirstFieldOf16", "ABCDEFGHIJKLMNOP,0,C,0,P,1,0,100,64,0,169,164,100|", false, 0,
                   0, 0, 0, 0},
        HeaderCase{"NavpointCount310", "Q0YA,0,C,0,P,1,0,100,64,0,169,164,100,69,32,48,310,32|",
                   true, 69, 32, 48, 0, 32},
        HeaderCase{"LeadingDigitsOnly", "Q0YA,0,C,0,P,1,0,100,64,0,169,164,100,69x,32 ,4 8,2,0|",
                   true, 69, 32, 4, 2, 0},
        HeaderCase{"NoClosingBar", "Q0YA,0,C,0,P,1,0,100,64,0,169,164,100,69,32,48,2,5", true, 69,
                   32, 48, 2, 5},
        HeaderCase{"Empty", "", false, 0, 0, 0, 0, 0}),
    test::CaseName{});

TEST(StoredLogHeader, HugeNumbersSaturateInsteadOfWrapping) {
    const auto header = Parse("Q0YA,0,C,0,P,1,0,100,64,99999999999999999999,0,0,100|");
    ASSERT_TRUE(header);
    EXPECT_GT(header->TotalLength(), 250000u);
}

TEST(StoredLogHeader, TextReadsBackFieldForField) {
    StoredLogHeader header;
    header.recorderId = "Q0YA";
    header.competitionId = "V,7";
    header.pilotName = "BERG, ANNA|X";
    header.fixDataLength = 1234;
    header.navpointCount = 7;
    const auto text = StoredLogHeaderText(header);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "Q0YA,0,V 7,0,BERG  ANNA X,0,0,100,64,1234,0,0,100,69,41,48,7,0|");
    const auto back = Parse(*text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pilotName, "BERG  ANNA X");
    EXPECT_EQ(back->fixDataLength, 1234u);
    EXPECT_EQ(back->navpointCount, 7u);
}

TEST(StoredLogHeader, TextThatWouldNotFitIsRefused) {
    StoredLogHeader header;
    header.recorderId = "Q0YA";
    header.pilotName = std::string(27, 'P');
    header.competitionId = std::string(12, 'C');
    header.fixDataLength = 4000000000u;
    header.coveredSpan = 4000000000u;
    header.flightInfoOffset = 4000000000u;
    EXPECT_FALSE(StoredLogHeaderText(header));
    header.recorderId = std::string(16, 'Q');
    header.fixDataLength = header.coveredSpan = header.flightInfoOffset = 0;
    EXPECT_FALSE(StoredLogHeaderText(header));
}

} // namespace
} // namespace korlink
