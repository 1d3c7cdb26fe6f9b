#include "logfiles/StoredLogCheck.h"

#include "LogFixture.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

TEST(StoredLogCheck, MatchesAnIndependentComputation) {
    // Computed by a separate implementation of the check for serial 1234 over bytes 0..39.
    Bytes data(40);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i);
    const auto value = ComputeStoredLogCheck(1234, data, data.size(), RecorderKeys());
    ASSERT_TRUE(value);
    EXPECT_EQ(*HexBytes("1118D2C0080A0DF3478D0CA07FAACAF7BD092E48350DB2B68A13AF101D534EE0", 32),
              Bytes(value->begin(), value->end()));
    EXPECT_FALSE(ComputeStoredLogCheck(1234, ByteView(data).first(15), 15, RecorderKeys()));
    EXPECT_FALSE(ComputeStoredLogCheck(1234, data, 41, RecorderKeys()));
}

TEST(StoredLogCheck, RecordersLogPassesAndEveryCoveredByteCounts) {
    const test::LogFixture fixture;
    auto log = fixture.Log();
    EXPECT_TRUE(PassesStoredLogCheck(log));
    const auto& header = log.Header();
    // One byte of the fix data, of the flight information, of the declaration.
    for (const auto offset : {header.FixDataOffset() + 7, header.FlightInfoStart() + 30,
                              header.DeclarationStart() + 10}) {
        log.Image()[offset] ^= 0x01;
        EXPECT_FALSE(PassesStoredLogCheck(log)) << offset;
        log.Image()[offset] ^= 0x01;
    }
    // The second check value (security bytes 16 to 31) decides nothing; neither does the
    // recorder information, which the value does not cover.
    log.Image()[header.headerLength + 20] ^= 0xFF;
    log.Image()[header.RecorderInfoStart() + 2] ^= 0xFF;
    EXPECT_TRUE(PassesStoredLogCheck(log));
    log.Image()[header.headerLength + 3] ^= 0xFF;
    EXPECT_FALSE(PassesStoredLogCheck(log));
}

TEST(StoredLogCheck, SpanPastTheImageFails) {
    const test::LogFixture fixture;
    auto log = fixture.Log();
    log.Header().coveredSpan = StoredLog::kImageSize;
    EXPECT_FALSE(PassesStoredLogCheck(log));
    log.Header().securityLength = 8; // too short to hold the check value
    log.Header().coveredSpan = 100;
    EXPECT_FALSE(PassesStoredLogCheck(log));
}

} // namespace
} // namespace korlink
