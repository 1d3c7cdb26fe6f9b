#include "SimulatedRecorder.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

using korsim::PatternBytes;
using korsim::RecorderMode;
using korsim::RecorderModel;
using korsim::SimulatorOptions;
using test::SimulatedRecorder;

SimulatorOptions WithFaults(korsim::Faults faults) {
    SimulatorOptions options;
    options.faults = faults;
    return options;
}

RecorderModel WithArea(int area, std::size_t length) {
    auto model = RecorderModel::Minimal();
    model.areas[area] = PatternBytes(length, 77);
    return model;
}

TEST(RecorderLink, ReadsEveryRecordAndTheSecurityRecord) {
    SimulatedRecorder recorder;
    ASSERT_TRUE(recorder.Open());
    ASSERT_TRUE(recorder.link.EnterUploadMode());
    const auto model = recorder.simulator->Model();
    for (const char letter : {'c', 'd', 't', 'w', 'x'}) {
        const auto payload = recorder.link.ReadRecord(letter);
        ASSERT_TRUE(payload) << letter;
        EXPECT_EQ(*payload, model.records.at(letter)) << letter;
    }
    EXPECT_FALSE(recorder.link.ReadRecord('q'));
    const auto security = recorder.link.ReadSecurityRecord();
    ASSERT_TRUE(security);
    EXPECT_EQ(*security, model.securityRecord);
}

TEST(RecorderLink, RecordWithWrongCommandCheckIsReadAgain) {
    SimulatedRecorder once(RecorderModel::Minimal(), WithFaults({.badCommandChecks = 1}));
    ASSERT_TRUE(once.Open());
    ASSERT_TRUE(once.link.EnterUploadMode());
    EXPECT_TRUE(once.link.ReadRecord('x'));
    EXPECT_EQ(once.CommandCount("x"), 2u);

    SimulatedRecorder always(RecorderModel::Minimal(), WithFaults({.badCommandChecks = 3}));
    ASSERT_TRUE(always.Open());
    ASSERT_TRUE(always.link.EnterUploadMode());
    EXPECT_FALSE(always.link.ReadRecord('x'));
    EXPECT_EQ(always.CommandCount("x"), 3u);
}

TEST(RecorderLink, ReadsTheDirectory) {
    SimulatedRecorder recorder;
    ASSERT_TRUE(recorder.Open());
    const auto directory = recorder.link.ReadDirectory();
    ASSERT_TRUE(directory);
    EXPECT_EQ(*directory, recorder.simulator->Model().directory);
    EXPECT_EQ(recorder.CommandCount("b 129"), 1u);
}

TEST(RecorderLink, DirectoryShorterThanAnnouncedFailsEveryAttempt) {
    SimulatedRecorder recorder(RecorderModel::Minimal(), WithFaults({.shortDirectoryBy = 1}));
    ASSERT_TRUE(recorder.Open());
    EXPECT_FALSE(recorder.link.ReadDirectory());
    EXPECT_EQ(recorder.CommandCount("b 129"), 3u);
    EXPECT_EQ(recorder.CommandCount("b"), 3u);
}

TEST(RecorderLink, DirectoryLargerThanTheBufferIsRefusedUnread) {
    auto model = RecorderModel::Minimal();
    model.directory = PatternBytes(1025, 5);
    SimulatedRecorder recorder(model);
    ASSERT_TRUE(recorder.Open());
    EXPECT_FALSE(recorder.link.ReadDirectory());
    EXPECT_EQ(recorder.CommandCount("b 129"), 3u);
    EXPECT_EQ(recorder.CommandCount("b"), 0u);
    // With room for it, the same directory is read whole.
    const auto directory = recorder.link.ReadDirectory(2048);
    ASSERT_TRUE(directory);
    EXPECT_EQ(directory->size(), 1025u);
}

TEST(RecorderLink, DownloadsAreasOfEveryShape) {
    struct Case {
        std::size_t length;
        unsigned blocks;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{1024, 1}, Case{1025, 2}, Case{3000, 3}}) {
        SimulatedRecorder recorder(WithArea(5, c.length));
        ASSERT_TRUE(recorder.Open());
        const auto area = recorder.link.DownloadArea(5);
        EXPECT_EQ(area.status, AreaStatus::Complete) << c.length;
        EXPECT_EQ(area.length, c.length);
        EXPECT_EQ(area.data, recorder.simulator->Model().areas.at(5)) << c.length;
        const auto counters = recorder.simulator->Counters();
        EXPECT_EQ(counters.protocol.blocksSent, c.blocks) << c.length;
        EXPECT_EQ(counters.protocol.blockRepeats, 0u);
        // Back in text mode on both ends (the leave command gets no answer, so look a moment).
        EXPECT_EQ(recorder.link.Port().Speed(), 4800u);
        for (int wait = 0; wait < 100 && recorder.simulator->Mode() != RecorderMode::Command; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds{10});
        EXPECT_EQ(recorder.simulator->Mode(), RecorderMode::Command);
    }
}

TEST(RecorderLink, ReportsProgressPerBlock) {
    SimulatedRecorder recorder(WithArea(1, 3000));
    ASSERT_TRUE(recorder.Open());
    ASSERT_EQ(recorder.link.DownloadArea(1).status, AreaStatus::Complete);
    EXPECT_EQ(recorder.operation.ranges, std::vector<unsigned>{3000});
    EXPECT_EQ(recorder.operation.positions, (std::vector<unsigned>{1024, 2048, 3000}));
}

TEST(RecorderLink, CorruptedBlockIsRequestedAgainWithRepeat) {
    SimulatedRecorder recorder(WithArea(1, 3000), WithFaults({.corruptBlock = 2}));
    ASSERT_TRUE(recorder.Open());
    const auto area = recorder.link.DownloadArea(1);
    EXPECT_EQ(area.status, AreaStatus::Complete);
    EXPECT_EQ(area.data, recorder.simulator->Model().areas.at(1));
    const auto counters = recorder.simulator->Counters();
    EXPECT_EQ(counters.protocol.blockRepeats, 1u);
    EXPECT_EQ(counters.protocol.blocksSent, 4u);
}

TEST(RecorderLink, FirstBlockOnlyStillGivesTheFullLength) {
    SimulatedRecorder recorder(WithArea(130, 2500));
    ASSERT_TRUE(recorder.Open());
    const auto area = recorder.link.DownloadArea(130, true);
    const auto expected = recorder.simulator->Model().areas.at(130);
    EXPECT_EQ(area.status, AreaStatus::Complete);
    EXPECT_EQ(area.length, 2500u);
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + 1024, area.data.begin()));
    EXPECT_EQ(recorder.simulator->Counters().protocol.blocksSent, 1u);
    EXPECT_TRUE(recorder.operation.positions.empty());
}

TEST(RecorderLink, AreaThatDoesNotOpen) {
    SimulatedRecorder recorder;
    ASSERT_TRUE(recorder.Open());
    // The recorder answers the selection of an area it lacks with text at 4800 bit/s.
    const auto area = recorder.link.DownloadArea(9);
    EXPECT_EQ(area.status, AreaStatus::NotOpened);
    EXPECT_EQ(recorder.link.Port().Speed(), 4800u);
    EXPECT_TRUE(recorder.link.Interrupt(1));
}

TEST(RecorderLink, RecorderFallingSilentMidBlockFailsTheArea) {
    // 97 bytes of answers come before the block; the recorder stops half way through it.
    SimulatedRecorder recorder(WithArea(1, 100), WithFaults({.silentAfterBytes = 150}));
    ASSERT_TRUE(recorder.Open());
    const auto area = recorder.link.DownloadArea(1);
    EXPECT_EQ(area.status, AreaStatus::BlockFailed);
    EXPECT_EQ(recorder.link.Port().Speed(), 4800u);
    EXPECT_EQ(recorder.simulator->Counters().protocol.blockRepeats, 2u);
}

TEST(RecorderLink, UnpluggedRecorderFailsWithinTheDeadline) {
    SimulatedRecorder recorder;
    ASSERT_TRUE(recorder.Open());
    recorder.simulator.reset(); // the pseudo-terminal hangs up
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(recorder.link.Interrupt(1));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds{1});
}

TEST(RecorderLink, ReadBlocksNeedsRoomForTheCheckBytes) {
    SimulatedRecorder recorder(WithArea(1, 1024));
    ASSERT_TRUE(recorder.Open());
    Bytes tooSmall(1025);
    EXPECT_FALSE(recorder.link.ReadBlocks(1024, tooSmall));
    EXPECT_EQ(recorder.simulator->Counters().protocol.blocksSent, 0u);
}

TEST(RecorderLink, SendsDataLinesInDownloadMode) {
    SimulatedRecorder recorder;
    ASSERT_TRUE(recorder.Open());
    ASSERT_TRUE(recorder.link.EnterDownloadMode());
    EXPECT_TRUE(recorder.link.SendLine("Y0My site\r"));
    EXPECT_TRUE(recorder.link.SendLine("W0001\r", true));
    EXPECT_EQ(recorder.simulator->Model().receivedLines,
              (std::vector<std::string>{"Y0My site", "W0001"}));
    EXPECT_EQ(recorder.operation.SleepsOf(std::chrono::milliseconds{100}), 4u);
}

TEST(RecorderLink, ModeCommandsWithoutReplies) {
    SimulatedRecorder recorder;
    ASSERT_TRUE(recorder.Open());
    recorder.link.ClearNavpoints();
    EXPECT_EQ(recorder.simulator->Model().navpointClears, 1u);
    EXPECT_EQ(recorder.operation.SleepsOf(std::chrono::milliseconds{4000}), 1u);
    recorder.link.ResetRecorderSpeed();
    EXPECT_EQ(recorder.link.Port().Speed(), 4800u);
    recorder.link.Interrupt(1);
    recorder.link.GpsOff();
    // The recorder is back to logging and still answers an interrupt.
    EXPECT_TRUE(recorder.link.Interrupt(1));
    EXPECT_EQ(recorder.CommandCount("die"), 1u);
    EXPECT_EQ(recorder.CommandCount("bau 6"), 1u);
}

} // namespace
} // namespace korlink
