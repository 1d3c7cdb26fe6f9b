#include "link/SerialPort.h"

#include "SimulatedRecorder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/file.h>
#include <unistd.h>

namespace korlink {
namespace {

using namespace std::chrono;

// A pseudo-terminal with nobody on the other side.
struct SilentLine {
    SilentLine() {
        char name[256] = {};
        openpty(&master, &slave, name, nullptr, nullptr);
        path = name;
    }
    ~SilentLine() {
        ::close(slave);
        ::close(master);
    }
    int master = -1;
    int slave = -1;
    std::string path;
};

TEST(SerialPort, OpenFailsOnMissingDeviceAndStaysClosed) {
    CSerialPort port;
    EXPECT_FALSE(port.Open("/dev/korlink-no-such-device", 4800, 200));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.LastError(), PortError::NoDevice);
    EXPECT_FALSE(port.Open("/dev/null", 4800, 200));
    EXPECT_EQ(port.LastError(), PortError::NotATerminal);
    EXPECT_FALSE(port.IsOpen());
}

TEST(SerialPort, ClosedPortRefusesSpeedAndTimeouts) {
    CSerialPort port;
    EXPECT_FALSE(port.SetSpeed(4800));
    EXPECT_FALSE(port.SetReadTimeout(200));
    EXPECT_EQ(port.Speed(), 0u);
}

TEST(SerialPort, OpenWhileOpenReopensTheDevice) {
    SilentLine line;
    CSerialPort port;
    ASSERT_TRUE(port.Open(line.path, 4800, 200));
    ASSERT_TRUE(port.Open(line.path, 57600, 200));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.Speed(), 57600u);
    // A second object may take the device once the first has let it go.
    port.Close();
    CSerialPort other;
    EXPECT_TRUE(other.Open(line.path, 4800, 200));
}

TEST(SerialPort, ADeviceAnotherProgramHoldsIsRefusedAsInUse) {
    SilentLine line;
    // Another port object, as a second program would hold it: refused even for root, whom the
    // exclusive mode does not stop.
    CSerialPort first;
    ASSERT_TRUE(first.Open(line.path, 4800, 200));
    CSerialPort second;
    EXPECT_FALSE(second.Open(line.path, 4800, 200));
    EXPECT_EQ(second.LastError(), PortError::Busy);
    EXPECT_FALSE(second.IsOpen());
    first.Close();

    // A program that only locks the device, without the exclusive mode.
    const int other = ::open(line.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(second.Open(line.path, 4800, 200));
    EXPECT_EQ(second.LastError(), PortError::Busy);
    EXPECT_NE(DescribePortError(second.LastError(), line.path).find("in use"), std::string::npos);
    ::close(other);
    EXPECT_TRUE(second.Open(line.path, 4800, 200));
}

TEST(SerialPort, ExchangeExpectingNothingSucceedsAtOnce) {
    SilentLine line;
    CSerialPort port;
    ASSERT_TRUE(port.Open(line.path, 4800, 200));
    const Bytes command{'d', 'i', 'e', '\r', '\n'};
    std::size_t received = 99;
    const auto start = steady_clock::now();
    EXPECT_TRUE(port.Exchange(command, {}, received));
    EXPECT_EQ(received, 0u);
    EXPECT_LT(steady_clock::now() - start, 50ms);
}

TEST(SerialPort, ShortReplyFailsAfterTheReadDeadline) {
    test::SimulatedRecorder recorder;
    CSerialPort& port = recorder.link.Port();
    ASSERT_TRUE(port.Open(recorder.simulator->DevicePath(), 4800, 200));
    // The interrupt is answered with 22 bytes; asking for 30 waits 2 * 30 + 200 ms.
    Bytes reply(30);
    std::size_t received = 0;
    const auto start = steady_clock::now();
    EXPECT_FALSE(port.Exchange(Bytes{3}, reply, received));
    const auto waited = steady_clock::now() - start;
    EXPECT_EQ(received, 22u);
    EXPECT_GE(waited, 259ms);
    EXPECT_LT(waited, 400ms);
}

TEST(SerialPort, SpeedChangesReachTheLine) {
    test::SimulatedRecorder recorder;
    CSerialPort& port = recorder.link.Port();
    ASSERT_TRUE(port.Open(recorder.simulator->DevicePath(), 4800, 200));
    EXPECT_TRUE(port.SetSpeed(57600));
    EXPECT_EQ(port.Speed(), 57600u);
    // At 57600 bit/s the recorder, listening at 4800, hears only noise.
    std::size_t received = 0;
    Bytes reply(22);
    EXPECT_FALSE(port.Exchange(Bytes{3}, reply, received));
    EXPECT_TRUE(port.SetSpeed(4800));
    EXPECT_TRUE(port.Exchange(Bytes{3}, reply, received));
    EXPECT_FALSE(port.SetSpeed(12345));
}

} // namespace
} // namespace korlink
