// The small parts of the flight model: fix states, the moving average and the units.
#include "document/FixFlags.h"
#include "document/IgcFix.h"
#include "document/MovingAverage.h"
#include "document/Units.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using F = FixFlags;

TEST(FixFlags, StateText) {
    struct Case {
        std::uint32_t bits;
        bool startCylinder, finishCylinder;
        const char* text;
    };
    const Case cases[]{
        {0, true, true, ""},
        {F::kFlying | F::kLanded, true, true, "Flying, Landed  "},
        {F::kInStartCylinder | F::kAboveStart, true, true, "InStartCyl, AboveStart  "},
        {F::kInStartCylinder | F::kAboveStart, false, true, "AboveStart  "},
        {F::kAboveStart, true, true, ""},
        {F::kInFinishCylinder | F::kBelowFinish, true, true, "InFinishCyl, BelowFinish  "},
        {F::kTurnAreaTurnpoint | F::kAtTurnpoint | F::kOuterTurnpointRadius, true, true,
         "Turn Area Turnpoint  "},
        {F::kAtTurnpoint | F::kOuterTurnpointRadius, true, true, "AtTurnpoint  "},
        {F::kOuterTurnpointRadius, true, true, "OuterTurnpointRadius  "},
        {F::kStarted | F::kFinished, false, false, "Crossed Start, Crossed Finish  "},
        {F::kStarted | F::kFinished, true, true, "Started, Finished  "},
        {F::kMotorOn | F::kLatestStart | F::kGapInTrace | F::kFurthestProgress | F::kArrival, true,
         true, "MotorON, LatestStart, GapInTrace, FurthestProgress  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FixStateText(FixFlags(c.bits), c.startCylinder, c.finishCylinder), c.text);
}

TEST(FixFlags, SetToggleTest) {
    FixFlags flags;
    flags.Set(F::kFlying | F::kMotorOn);
    flags.Toggle(F::kMotorOn | F::kLanded);
    EXPECT_TRUE(flags.Test(F::kFlying));
    EXPECT_FALSE(flags.Test(F::kMotorOn));
    EXPECT_TRUE(flags.Test(F::kLanded));
    EXPECT_EQ(flags.Bits(), F::kFlying | F::kLanded);
}

TEST(TurnpointSlots, WrittenCopiedAndCleared) {
    IgcFix fix;
    fix.turnpoints.SetMark(23, 7);
    fix.turnpoints.SetDistance(0, 1.5);
    fix.turnpoints.SetMark(24, 9); // beyond the last slot: ignored
    IgcFix copy = fix;
    fix.turnpoints.SetMark(23, 8);
    EXPECT_EQ(copy.turnpoints.Mark(23), 7);
    EXPECT_EQ(copy.turnpoints.Mark(0), -1);
    EXPECT_EQ(copy.turnpoints.Mark(24), -1);
    EXPECT_DOUBLE_EQ(copy.turnpoints.Distance(0), 1.5);
    EXPECT_EQ(fix.turnpoints.Mark(23), 8);
    copy = fix;
    EXPECT_EQ(copy.turnpoints.Mark(23), 8);
    fix.turnpoints.Clear();
    EXPECT_EQ(fix.turnpoints.Mark(23), -1);
    EXPECT_EQ(fix.turnpoints.Distance(0), 0.0);
}

TEST(MovingAverage, MeanOfFilledSlotsWrapping) {
    MovingAverage average(5);
    EXPECT_EQ(average.Mean(), 0.0);
    average.Add(10);
    average.Add(20);
    EXPECT_DOUBLE_EQ(average.Mean(), 15.0);
    for (double value : {1.0, 2.0, 3.0, 4.0, 5.0})
        average.Add(value);
    EXPECT_DOUBLE_EQ(average.Mean(), 3.0);
}

TEST(Units, Conversions) {
    EXPECT_DOUBLE_EQ(ConvertDistance(10, kKilometres, kNauticalMiles), 5.395929632821999);
    EXPECT_DOUBLE_EQ(ConvertDistance(10, kStatuteMiles, kNauticalMiles), 8.683906907907758);
    EXPECT_DOUBLE_EQ(ConvertDistance(1, kNauticalMiles, kKilometres), 1.8532487783333333);
    EXPECT_DOUBLE_EQ(ConvertDistance(1, kNauticalMiles, kStatuteMiles), 1.1515554123333334);
    EXPECT_DOUBLE_EQ(ConvertDistance(7, kKilometres, kKilometres), 7.0);
    EXPECT_EQ(ConvertAltitude(1000, kMetres, kFeet), 3280);
    EXPECT_EQ(ConvertAltitude(-1000, kMetres, kFeet), -3280);
    EXPECT_EQ(ConvertAltitude(20000, kMetres, kFeet), 32767);
    EXPECT_DOUBLE_EQ(ConvertAltitude(1000, kFeet, kMetres), 304.8006096);
    EXPECT_EQ(ConvertAltitude(1234, kFeet, kFeet), 1234);
    EXPECT_STREQ(DistanceUnitName(kKilometres), "Km");
    EXPECT_STREQ(ShortDistanceUnitName(kStatuteMiles), "Mi");
    EXPECT_STREQ(SpeedUnitSuffix(kNauticalMiles), "(kt)");
    EXPECT_STREQ(SpeedUnitSuffix(5), " ");
    EXPECT_STREQ(AltitudeUnitName(kMetres), "m");
    EXPECT_STREQ(AltitudeUnitName(3), "ft");
}

} // namespace
} // namespace vantrel
