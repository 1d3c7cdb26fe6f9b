// Notes on gaps in the trace and on event times out of order.
#include "FlightAnalysis.h"
#include "TimeText.h"
#include "document/FlightMotion.h"

namespace vantrel {

void FlightAnalysis::NoteGaps() {
    const auto& fixes = Fixes();
    const int from = std::max(run_.startFix, 0);
    const int to = run_.finishFix >= 0    ? run_.finishFix
                   : run_.landingFix >= 0 ? run_.landingFix
                                          : FixCount() - 1;
    for (const int gap : run_.gapFixes) {
        const auto index = static_cast<std::size_t>(gap);
        if (gap >= from && gap <= to)
            Note(ClockText(fixes[index - 1].time) + " - A gap in the trace of " +
                 SpanText(SecondsSincePrevious(fixes, index)) + " was detected.");
    }
}

void FlightAnalysis::NoteTimeOrder() {
    if (run_.started && run_.rollTime > run_.startTime)
        Note("Roll time was calculated as later than the start time.");
    if (run_.started && run_.allAchieved && run_.finished && run_.startTime > run_.finishTime)
        Note("Start time was calculated as later than the finish time.");
    if (run_.allAchieved && run_.finished && run_.finishTime > run_.landingTime)
        Note("Finish time was calculated as later than the landing time.");
}

} // namespace vantrel
