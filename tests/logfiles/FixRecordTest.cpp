#include "logfiles/FixRecord.h"

#include "CaseName.h"
#include "RecorderFormat.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

// Bytes from a string of nibbles written as hexadecimal digits (e = separator, f = end); an
// odd count is closed with an end nibble.
Bytes Packed(std::string nibbles) {
    if (nibbles.size() % 2)
        nibbles += 'f';
    Bytes bytes;
    for (std::size_t i = 0; i < nibbles.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(nibbles.substr(i, 2), nullptr, 16)));
    return bytes;
}

LogFix Decode(const std::string& nibbles) {
    const auto bytes = Packed(nibbles);
    NibbleRecord record;
    UnpackRecord(bytes, 0, kFixRecordNibbles, record);
    return DecodeFixRecord(record);
}

constexpr std::string_view kTime = "030c050a2200"; // 5 Dec 2003 10:30:00
constexpr double kAngleStep = 360.0 / (1 << 24);

TEST(FixRecord, EncodedFixReadsBack) {
    korsim::FlightSample sample;
    sample.time = {3, 12, 5, 10, 30, 17};
    sample.latitude = 47.25813;
    sample.longitude = -8.93172;
    sample.gnssAltitude = 1523;
    sample.pressureAltitude = -12;
    sample.accuracy = 45;
    sample.extraA = 3;
    sample.flags = 132;
    sample.engineNoise = 951;
    const auto bytes = korsim::EncodeFixRecord(sample);
    NibbleRecord record;
    EXPECT_EQ(UnpackRecord(bytes, 0, kFixRecordNibbles, record), bytes.size());
    const auto fix = DecodeFixRecord(record);
    EXPECT_EQ(fix.time, sample.time);
    EXPECT_NEAR(fix.latitude, sample.latitude, kAngleStep);
    EXPECT_NEAR(fix.longitude, sample.longitude, kAngleStep);
    EXPECT_EQ(fix.gnssAltitude, 2523u);
    EXPECT_EQ(fix.pressureAltitude, 988u);
    EXPECT_EQ(fix.accuracy, 3u);
    EXPECT_EQ(fix.extraA, 3u);
    EXPECT_EQ(fix.flags, 132);
    EXPECT_EQ(fix.engineNoise, 951u);
    EXPECT_EQ(fix.extraCount, 0u);
}

TEST(FixRecord, DateAndTimeDigits) {
    // Year 1*14+3, t2 not read, month 12, day 2*14+3, 23:59:58.
    const auto fix = Decode("137c23194342ff");
    EXPECT_EQ(fix.time, (LogTime{17, 12, 31, 23, 59, 58}));
}

struct AngleCase {
    const char* name;
    const char* digits;
    double degrees;
};

class AngleCases : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleCases, TwentyFourBitAngles) {
    const auto& c = GetParam();
    const auto fix = Decode(std::string(kTime) + "e" + c.digits + "e" + c.digits + "ef");
    EXPECT_NEAR(fix.latitude, c.degrees, 1e-5);
    EXPECT_NEAR(fix.longitude, c.degrees, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    FixRecord, AngleCases,
    ::testing::Values(AngleCase{"TwoToThe23IsMinus180", "0920", -180.0},
                      AngleCase{"JustBelowIsJustUnder180", "09119c51", 180.0 - kAngleStep},
                      AngleCase{"Zero", "0000", 0.0},
                      AngleCase{"AllOnesIsOneStepWest", "14319c51", -kAngleStep},
                      AngleCase{"FewerThanThreeDigitsReadZero", "09", 0.0},
                      AngleCase{"MoreThanEightDigitsReadZero", "092000001", 0.0}),
    test::CaseName{});

TEST(FixRecord, SixDigitFieldsAndEmptyFieldsReadZero) {
    const auto fix = Decode(std::string(kTime) + "e0920e0920e111111e11111ee5f");
    EXPECT_EQ(fix.gnssAltitude, 0u);
    EXPECT_EQ(fix.pressureAltitude, 1u * 38416 + 2744 + 196 + 14 + 1);
    EXPECT_EQ(fix.accuracy, 0u);
    EXPECT_EQ(fix.extraA, 5u);
}

TEST(FixRecord, ShortRecordAfterLongOneHasNoLeftovers) {
    const auto bytes = Packed(std::string(kTime) + "e0920e0920e1e2e3e4e40e9e1e2e3e4e5" + "f" +
                              std::string(kTime) + "e0920e0920e1e2f");
    NibbleRecord record;
    const auto next = UnpackRecord(bytes, 0, kFixRecordNibbles, record);
    const auto first = DecodeFixRecord(record);
    EXPECT_EQ(first.flags, 4 * 14);
    EXPECT_EQ(first.engineNoise, 9u);
    EXPECT_EQ(first.extraCount, 4u);
    EXPECT_EQ(first.extras[3], 4u);
    UnpackRecord(bytes, next, kFixRecordNibbles, record);
    const auto second = DecodeFixRecord(record);
    EXPECT_EQ(second.pressureAltitude, 2u);
    EXPECT_EQ(second.accuracy, 0u);
    EXPECT_EQ(second.flags, 0);
    EXPECT_EQ(second.engineNoise, 0u);
    EXPECT_EQ(second.extraCount, 0u);
}

TEST(FixRecord, OnlyFifteenSeparatorsCount) {
    // Fields 9 to 12 are the extras; fields past the 15th separator are never split off.
    const auto fix = Decode(std::string(kTime) + "e0920e0920e1e2e3e4e5e6e7e1e2e3e4e5e6eeee7f");
    EXPECT_EQ(fix.flags, 5);
    EXPECT_EQ(fix.engineNoise, 6u);
    EXPECT_EQ(fix.extraCount, 4u);
    EXPECT_EQ(fix.extras[0], 7u);
    EXPECT_EQ(fix.extras[3], 3u);
}

TEST(FixRecord, RecordWithoutEndIsCutAtEightyNibbles) {
    const Bytes bytes(45, 0x11);
    NibbleRecord record;
    EXPECT_EQ(UnpackRecord(bytes, 0, kFixRecordNibbles, record), 40u);
    EXPECT_EQ(record.count, 80u);
    // The end of the data ends the next one.
    EXPECT_EQ(UnpackRecord(bytes, 40, kFixRecordNibbles, record), 45u);
    EXPECT_EQ(record.count, 10u);
}

TEST(FixRecord, EndNibbleInTheHighHalfEndsTheRecordAfterItsByte) {
    const auto bytes = Packed("12f3"
                              "45ff");
    NibbleRecord record;
    EXPECT_EQ(UnpackRecord(bytes, 0, kFixRecordNibbles, record), 2u);
    EXPECT_EQ(record.count, 2u);
    EXPECT_EQ(UnpackRecord(bytes, 2, kFixRecordNibbles, record), 4u);
    EXPECT_EQ(record.count, 2u);
    EXPECT_EQ(record.At(1), 5);
    EXPECT_EQ(record.At(2), 0); // past the end
}

} // namespace
} // namespace korlink
