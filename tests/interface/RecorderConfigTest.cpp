#include "interface/RecorderConfig.h"

#include "ConfigurationLine.h"
#include "interface/RecorderConfiguration.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

TEST(RecorderConfig, IntervalCodes) {
    struct Case {
        unsigned seconds;
        std::uint8_t code;
        unsigned decoded; // what the code reads back as
    };
    for (const Case c : {Case{0, 0, 0}, Case{30, 30, 30}, Case{35, 31, 35}, Case{180, 60, 180},
                         Case{200, 60, 180}, Case{210, 61, 210}, Case{6030, 255, 6030}}) {
        EXPECT_EQ(IntervalCode(c.seconds), c.code) << c.seconds;
        EXPECT_EQ(IntervalSeconds(c.code), c.decoded) << c.seconds;
    }
}

TEST(RecorderConfig, PilotNames) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"Anna Berg", "    Anna        Berg"},
        {"  Anna Berg  ", "    Anna        Berg"},
        {"Jo Wu", "     Jo          Wu"},
        {"Maximilianus Berg", "Maximilianus Berg"},                 // first part of 12 characters
        {"Anna Hohenzollernberg", "Anna Hohenzollernberg"},         // last part of 13
        {"Madonna", "Madonna"},                                     // no blank
        {"Jan van Berg", "   Jan van      Berg"},                   // split at the last blank
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUVWX"}, // cut at 24
        // UTF-8 is cut before a character that would not fit whole: "ü" is two bytes.
        {"ABCDEFGHIJKLMNOPQRSTUVW\u00fcX", "ABCDEFGHIJKLMNOPQRSTUVW"},
        {"ABCDEFGHIJKLMNOPQRSTUV\u00fcX", "ABCDEFGHIJKLMNOPQRSTUV\u00fc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArrangePilotName(c.typed), c.stored) << c.typed;
}

RecorderConfig Sample() {
    RecorderConfig config;
    config.unitsCode = 1;
    config.serial = 1234;
    config.pilot = ArrangePilotName("Anna Berg");
    config.glider = "LS8";
    config.compId = "AB";
    config.datum = 100;
    config.approachRadius = 5;
    config.arrivalRadius = 12;
    config.arrivalInterval = 200;
    config.enrouteInterval = 35;
    config.hardwareVersion = 7;
    return config;
}

TEST(RecorderConfig, ConfigurationLineColumns) {
    const auto line = ConfigurationLine(Sample());
    EXPECT_EQ(line, "x,1,    Anna        Berg    ,LS8      AB ,100,5,12," +
                        std::to_string(60 * 256 + 31) + "\r");
    EXPECT_EQ(line.substr(4, 24), "    Anna        Berg    ");
    auto small = Sample();
    small.datum = 7;
    small.approachRadius = 150;
    EXPECT_EQ(ConfigurationLine(small).substr(41, 8), ",007,99,");
}

TEST(RecorderConfig, StoredTextsAreNeverCutInsideACharacter) {
    auto config = Sample();
    config.glider = "Discus 2\u00e9"; // "é" would end at byte 10
    config.compId = "A\u20ac";        // "€" is three bytes: only "A" fits
    const auto line = ConfigurationLine(config);
    EXPECT_EQ(line.substr(29, 12), "Discus 2 A  ");
    const auto decoded = RecorderConfig::Decode(config.Encode());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->glider, "Discus 2 ");
    EXPECT_EQ(decoded->compId, "A  ");
}

TEST(RecorderConfig, RecordRoundTripKeepsUninterpretedBytes) {
    Bytes record(RecorderConfig::kRecordSize);
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>(0x41 + i % 26);
    record[0] = 2;
    record[44] = 61;
    record[45] = 31;
    const auto config = RecorderConfig::Decode(record);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->unitsCode, 2);
    EXPECT_EQ(config->arrivalInterval, 210u);
    EXPECT_EQ(config->enrouteInterval, 35u);
    EXPECT_EQ(config->pilot.size(), 24u);
    EXPECT_EQ(config->Encode(), record);
    EXPECT_FALSE(RecorderConfig::Decode(Bytes(99)));
}

TEST(RecorderConfig, RadiusTextsAndInfoRows) {
    EXPECT_EQ(RadiusText(5, 0), "0.27");
    EXPECT_EQ(RadiusText(5, 1), "0.50");
    EXPECT_EQ(RadiusText(5, 3), "0.31");
    EXPECT_EQ(RadiusText(5, 9), "500.00");
    EXPECT_STREQ(UnitsOf(2).radiusUnitName, "Kilometers");

    Bytes raw(38, 0);
    raw[0] = 255;
    raw[1] = 124;
    raw[2] = 31;
    raw[3] = 0xFE;
    raw[4] = 0x00; // 65024 mA: not a real reading
    const std::string version = "V1.23 ";
    std::copy(version.begin(), version.end(), raw.begin() + 9);
    const auto status = RecorderStatus::Decode(raw);
    ASSERT_TRUE(status);
    const auto rows = RecorderInfoRows(Sample(), *status);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].second, "Q0YA");
    EXPECT_EQ(rows[1].second, "12.4 volts");
    EXPECT_EQ(rows[2].second, "0.0 volts");
    EXPECT_EQ(rows[3].second, "  0 ma");
    EXPECT_EQ(rows[4].second, "3.1 volts");
    EXPECT_EQ(rows[5].second, "V1.23 ");
    EXPECT_EQ(rows[6].second, "7");
}

TEST(RecorderConfig, RecorderAppliesTheLineAsWritten) {
    const auto written = Sample();
    RecorderConfig before;
    before.serial = 1234;
    auto line = ConfigurationLine(written);
    line.pop_back(); // the recorder sees the line without its "\r"
    const auto applied = korsim::ApplyConfigurationLine(before, line);
    ASSERT_TRUE(applied);
    EXPECT_TRUE(SameConfiguration(written, *applied));
    EXPECT_EQ(applied->datum, 100);
    auto changed = *applied;
    changed.glider = "LS4";
    EXPECT_FALSE(SameConfiguration(written, changed));
    // Trailing blanks do not count.
    changed = *applied;
    changed.compId = "AB   ";
    EXPECT_TRUE(SameConfiguration(written, changed));
    EXPECT_FALSE(korsim::ApplyConfigurationLine(before, "x,1,short"));
    EXPECT_FALSE(korsim::ApplyConfigurationLine(before, line.substr(0, line.size() - 3) + ",5"));
}

} // namespace
} // namespace korlink
