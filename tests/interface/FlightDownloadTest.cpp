// Flight downloads from a simulated recorder, below the C interface: a download the user stops,
// and one whose fix blocks fail.
#include "interface/FlightDownload.h"

#include "RecorderWithFlights.h"
#include "SimulatedRecorder.h"
#include "TemporaryFolder.h"
#include "korlink/korlink.h"
#include "logfiles/IgcWriter.h"
#include "logfiles/LogNaming.h"
#include "logfiles/StoredLogCheck.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace korlink {
namespace {

using test::RecorderWithFlights;
using test::SimulatedRecorder;

// Stops the operation once the first fix block has arrived, as Ctrl-C would.
struct StopAfterFirstBlock : DownloadProgress {
    explicit StopAfterFirstBlock(test::RecordingOperation& stopped) : operation(stopped) {}
    void BlockDone(std::uint32_t) override { operation.cancelled = true; }
    test::RecordingOperation& operation;
};

std::vector<std::string> FixLines(const std::string& igc) {
    std::vector<std::string> lines;
    std::istringstream in(igc);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("B"))
            lines.push_back(line);
    }
    return lines;
}

TEST(FlightDownload, CancelledDownloadEndsCancelledBeforeTheTrailer) {
    SimulatedRecorder recorder(RecorderWithFlights({{3, 12, 5}}, 900));
    ASSERT_TRUE(recorder.Open());
    StoredLog log;
    StopAfterFirstBlock stop(recorder.operation);
    const auto outcome = DownloadFlight(recorder.link, log, 1, stop);
    EXPECT_EQ(outcome.status, std::uint32_t{KOR_CANCELLED});
    EXPECT_FALSE(outcome.fixDataComplete);
    // Nothing after the fix data was asked for.
    EXPECT_EQ(recorder.CommandCount("b 128"), 0u);
}

TEST(FlightDownload, FailedBlocksLeaveZerosThatNeitherConvertNorCountAsACopy) {
    korsim::SimulatorOptions options;
    options.faults.failBlock = 2;
    const auto model = RecorderWithFlights({{3, 12, 5}}, 900);
    SimulatedRecorder recorder(model, options);
    ASSERT_TRUE(recorder.Open());
    StoredLog log;
    DownloadProgress progress;
    const auto outcome = DownloadFlight(recorder.link, log, 1, progress);
    ASSERT_EQ(outcome.status, std::uint32_t{KOR_OK});
    EXPECT_FALSE(outcome.fixDataComplete);
    EXPECT_EQ(outcome.fixDataReceived, 1024u);
    const auto data = log.FixData();
    ASSERT_GT(data.size(), 2048u);
    EXPECT_TRUE(
        std::all_of(data.begin() + 1024, data.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_FALSE(PassesStoredLogCheck(log));

    // The fixes of the first block and nothing else.
    const auto whole = FixLines(IgcText(*korsim::DownloadedLog(model, 1), ""));
    const auto partial = FixLines(IgcText(log, ""));
    EXPECT_GT(partial.size(), 10u);
    EXPECT_LT(partial.size(), whole.size());
    EXPECT_TRUE(std::equal(partial.begin(), partial.end(), whole.begin()));

    // The copy on the PC is not taken for the flight.
    test::TemporaryFolder folder;
    ASSERT_EQ(SaveAndCheck(log, folder.Path()).status, std::uint32_t{KOR_SECURITY_CHECK_FAILED});
    EXPECT_FALSE(FindStoredLogByStartTime(folder.Path(), log.FirstFix().time, log.RecorderId()));
}

} // namespace
} // namespace korlink
