#include "SimulatedRecorder.h"
#include "interface/StatusCodes.h"
#include "link/ConnectingSequence.h"
#include "link/PortDevices.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace korlink {
namespace {

using namespace std::chrono_literals;
using korsim::RecorderModel;
using korsim::SimulatorOptions;
using test::SimulatedRecorder;

SimulatorOptions DroppingInterrupts(unsigned count) {
    SimulatorOptions options;
    options.faults.dropInterruptAnswers = count;
    return options;
}

constexpr unsigned kForever = 1000000;

TEST(Connect, AnsweringRecorderConnectsWithOneProbe) {
    SimulatedRecorder recorder;
    EXPECT_EQ(recorder.link.Connect({1, 3, true}), ConnectResult::Connected);
    EXPECT_EQ(recorder.Interrupts(), 1u);
    EXPECT_EQ(recorder.link.PortName(), "COM1");
    EXPECT_TRUE(recorder.operation.sleeps.empty());
    // A second connection on the same port reopens it.
    EXPECT_EQ(recorder.link.Connect({1, 3, true}), ConnectResult::Connected);
    EXPECT_EQ(recorder.Interrupts(), 2u);
}

TEST(Connect, PortsThatDoNotOpen) {
    SimulatedRecorder recorder;
    ::setenv("KORLINK_COM2", "/dev/korlink-no-such-device", 1);
    EXPECT_EQ(recorder.link.Connect({2, 3, true}), ConnectResult::PortFailed);
    EXPECT_EQ(recorder.link.Port().LastError(), PortError::NoDevice);
    EXPECT_EQ(recorder.link.Connect({0, 3, true}), ConnectResult::PortFailed);
    EXPECT_EQ(recorder.link.Connect({9, 3, true}), ConnectResult::PortFailed);
    EXPECT_EQ(recorder.Interrupts(), 0u);
    EXPECT_EQ(StatusFromConnect(ConnectResult::PortFailed), 2u);
    EXPECT_STREQ(StatusMessage(2), "Invalid communications port ID");
}

TEST(Connect, QuietWithNoRetriesProbesExactlyTwice) {
    SimulatedRecorder recorder(RecorderModel::Minimal(), DroppingInterrupts(kForever));
    EXPECT_EQ(recorder.link.Connect({1, 0, true}), ConnectResult::NoRecorder);
    // Each probe is an interrupt of up to three attempts.
    EXPECT_EQ(recorder.Interrupts(), 2u * 3u);
    EXPECT_TRUE(recorder.operation.sleeps.empty());
    EXPECT_EQ(StatusFromConnect(ConnectResult::NoRecorder), 4u);
}

TEST(Connect, QuietRetriesFollowTheFirstProbeOncePerSecond) {
    SimulatedRecorder recorder(RecorderModel::Minimal(), DroppingInterrupts(kForever));
    EXPECT_EQ(recorder.link.Connect({1, 2, true}), ConnectResult::NoRecorder);
    EXPECT_EQ(recorder.Interrupts(), (1u + 3u) * 3u);
    EXPECT_EQ(recorder.operation.SleepsOf(1000ms), 2u);
}

TEST(Connect, QuietConnectionSucceedsOnALaterProbe) {
    // The probe made when the port opens goes unanswered; the next one is answered.
    SimulatedRecorder recorder(RecorderModel::Minimal(), DroppingInterrupts(3));
    EXPECT_EQ(recorder.link.Connect({1, 0, true}), ConnectResult::Connected);
    EXPECT_EQ(recorder.Interrupts(), 4u);
    EXPECT_EQ(recorder.operation.SleepsOf(1000ms), 1u);
}

TEST(Connect, CancelledBetweenQuietProbes) {
    SimulatedRecorder recorder(RecorderModel::Minimal(), DroppingInterrupts(kForever));
    recorder.operation.cancelled = true;
    EXPECT_EQ(recorder.link.Connect({1, 5, true}), ConnectResult::Cancelled);
    EXPECT_EQ(StatusFromConnect(ConnectResult::Cancelled), 3u);
}

// Plays the connecting dialog: ticks until the recorder answers or the failure shows, then
// presses Retry a given number of times before cancelling.
class ScriptedPrompt : public ConnectPrompt {
public:
    explicit ScriptedPrompt(unsigned retryPresses) : retryPresses_(retryPresses) {}

    ConnectResult Run(CRecorderLink& link, const std::string& portName, unsigned retries) override {
        ConnectingSequence sequence(portName, retries,
                                    [](std::string_view t) { return std::string(t); });
        caption = sequence.Caption();
        for (;;) {
            ++ticks;
            if (sequence.Tick([&link] { return link.Interrupt(1); }))
                return ConnectResult::Connected;
            if (!sequence.IsTimerRunning()) {
                failureText = sequence.FirstLine();
                if (retryPresses_ == 0)
                    return ConnectResult::Cancelled;
                --retryPresses_;
                sequence.Retry();
            }
        }
    }

    unsigned ticks = 0;
    std::string caption;
    std::string failureText;

private:
    unsigned retryPresses_;
};

TEST(Connect, PromptSeesARecorderAnsweringOnTheSecondTick) {
    // OpenPort's probe and the first tick go unanswered.
    SimulatedRecorder recorder(RecorderModel::Minimal(), DroppingInterrupts(6));
    ScriptedPrompt prompt(0);
    EXPECT_EQ(recorder.link.Connect({1, 3, false}, &prompt), ConnectResult::Connected);
    EXPECT_EQ(prompt.ticks, 2u);
    EXPECT_EQ(prompt.caption, "Attempting connection on: COM1");
}

TEST(Connect, PromptGivesUpAfterRetriesPlusTwoProbesAndMayBeRetried) {
    SimulatedRecorder recorder(RecorderModel::Minimal(), DroppingInterrupts(kForever));
    ScriptedPrompt prompt(1);
    EXPECT_EQ(recorder.link.Connect({1, 1, false}, &prompt), ConnectResult::Cancelled);
    EXPECT_EQ(prompt.ticks, 2u * (1u + 2u));
    EXPECT_EQ(prompt.failureText, "Could not find a Velmora recorder on: COM1");
    // Quiet requests never ask, whatever prompt is at hand.
    ScriptedPrompt unused(0);
    EXPECT_EQ(recorder.link.Connect({1, 0, true}, &unused), ConnectResult::NoRecorder);
    EXPECT_EQ(unused.ticks, 0u);
}

TEST(ConnectingSequence, DotsFailureAndRetry) {
    ConnectingSequence sequence("COM3", 2, [](std::string_view t) { return std::string(t); });
    unsigned probes = 0;
    const auto silent = [&probes] {
        ++probes;
        return false;
    };
    EXPECT_FALSE(sequence.IsRetryEnabled());
    EXPECT_FALSE(sequence.IsHelpEnabled());
    for (int tick = 0; tick < 3; ++tick)
        sequence.Tick(silent);
    EXPECT_EQ(sequence.FirstLine(), "Attempting connection to Velmora recorder...");
    EXPECT_TRUE(sequence.IsTimerRunning());
    sequence.Tick(silent);
    EXPECT_EQ(probes, 4u);
    EXPECT_FALSE(sequence.IsTimerRunning());
    EXPECT_EQ(sequence.FirstLine(), "Could not find a Velmora recorder on: COM3");
    EXPECT_EQ(sequence.SecondLine(), "Make sure your recorder is connected and turned on.");
    EXPECT_TRUE(sequence.IsRetryEnabled());
    EXPECT_TRUE(sequence.IsHelpEnabled());

    sequence.Retry();
    EXPECT_EQ(sequence.FirstLine(), "Attempting connection to Velmora recorder");
    EXPECT_EQ(sequence.SecondLine(), "");
    EXPECT_FALSE(sequence.IsHelpEnabled());
    EXPECT_TRUE(sequence.IsTimerRunning());
    EXPECT_TRUE(sequence.Tick([] { return true; }));
    EXPECT_EQ(sequence.FirstLine(), "Attempting connection to Velmora recorder.");
    EXPECT_TRUE(sequence.IsConnected());
}

TEST(PortDevices, EnvironmentThenPortsFileThenDefault) {
    const auto config = std::filesystem::temp_directory_path() / "korlink-ports-test";
    std::filesystem::create_directories(config / "korlink");
    std::ofstream(config / "korlink" / "ports.conf")
        << "# my adapters\nCOM4 = /dev/ttyUSB7\nCOM5=\n";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ::setenv("KORLINK_COM3", "/dev/pts/99", 1);
    ::unsetenv("KORLINK_COM4");
    ::unsetenv("KORLINK_COM5");

    EXPECT_EQ(PortDevice(3), "/dev/pts/99");
    EXPECT_EQ(PortDevice(4), "/dev/ttyUSB7");
    const auto adapters = UsbSerialAdapters();
    EXPECT_EQ(PortDevice(5), adapters.size() >= 5 ? adapters[4] : "/dev/ttyS4");
    EXPECT_FALSE(PortDevice(0));
    EXPECT_FALSE(PortDevice(9));
    EXPECT_EQ(PortName(3), "COM3");
    EXPECT_EQ(PortName(9), "");
    ::unsetenv("KORLINK_COM3");
    ::unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(config);
}

} // namespace
} // namespace korlink
