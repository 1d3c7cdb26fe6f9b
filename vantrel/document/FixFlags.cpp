#include "FixFlags.h"

namespace vantrel {

std::string FixStateText(FixFlags flags, bool startIsCylinder, bool finishIsCylinder) {
    using F = FixFlags;
    std::string text;
    const auto add = [&](bool shown, const char* name) {
        if (shown)
            text += name;
    };
    add(flags.Test(F::kFlying), "Flying, ");
    add(flags.Test(F::kLanded), "Landed, ");
    add(flags.Test(F::kInStartCylinder) && startIsCylinder, "InStartCyl, ");
    add(flags.Test(F::kAboveStart) && flags.Test(F::kInStartCylinder), "AboveStart, ");
    add(flags.Test(F::kInFinishCylinder) && finishIsCylinder, "InFinishCyl, ");
    add(flags.Test(F::kBelowFinish) && flags.Test(F::kInFinishCylinder), "BelowFinish, ");
    add(flags.Test(F::kMotorOn), "MotorON, ");
    const bool turnArea = flags.Test(F::kTurnAreaTurnpoint);
    const bool atTurnpoint = flags.Test(F::kAtTurnpoint);
    add(turnArea, "Turn Area Turnpoint, ");
    add(atTurnpoint && !turnArea, "AtTurnpoint, ");
    add(flags.Test(F::kOuterTurnpointRadius) && !turnArea && !atTurnpoint,
        "OuterTurnpointRadius, ");
    add(flags.Test(F::kStarted), startIsCylinder ? "Started, " : "Crossed Start, ");
    add(flags.Test(F::kFinished), finishIsCylinder ? "Finished, " : "Crossed Finish, ");
    add(flags.Test(F::kLatestStart), "LatestStart, ");
    add(flags.Test(F::kGapInTrace), "GapInTrace, ");
    add(flags.Test(F::kFurthestProgress), "FurthestProgress, ");
    if (const auto comma = text.rfind(','); comma != std::string::npos)
        text[comma] = ' ';
    return text;
}

} // namespace vantrel
