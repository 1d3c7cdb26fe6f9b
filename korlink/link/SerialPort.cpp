#include "SerialPort.h"

#include "LineSpeeds.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace korlink {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kSpeedChangeSettle{50};
constexpr milliseconds kDrainLimit{1000};

PortError ErrorFromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortError::NoDevice;
    case EACCES:
    case EPERM:
        return PortError::PermissionDenied;
    case EBUSY:
        return PortError::Busy;
    case ENOTTY:
        return PortError::NotATerminal;
    default:
        return PortError::Other;
    }
}

// Milliseconds left until `deadline`, rounded up so that a wait never ends early.
int RemainingMs(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    return static_cast<int>(std::chrono::ceil<milliseconds>(left).count());
}

bool WaitFor(int fd, short events, Clock::time_point deadline) {
    pollfd p{fd, events, 0};
    for (;;) {
        const int r = poll(&p, 1, RemainingMs(deadline));
        if (r > 0)
            return (p.revents & events) != 0;
        if (r == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

std::string DescribePortError(PortError error, const std::string& device) {
    switch (error) {
    case PortError::None:
        return device + ": open";
    case PortError::NoDevice:
        return device + ": no such device";
    case PortError::PermissionDenied:
        return device + ": permission denied (add your user to the 'dialout' group, then log in "
                        "again)";
    case PortError::Busy:
        return device + ": in use by another program";
    case PortError::NotATerminal:
        return device + ": not a serial device";
    case PortError::BadSpeed:
        return device + ": the line speed is not supported";
    case PortError::Other:
        break;
    }
    return device + ": cannot be opened";
}

CSerialPort::~CSerialPort() {
    Close();
}

bool CSerialPort::Fail(PortError error) {
    lastError_ = error;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    return false;
}

bool CSerialPort::Open(const std::string& device, unsigned speed, unsigned readConstantMs) {
    Close();
    trace_ = LineTrace::FromEnvironment();
    lastError_ = PortError::None;
    device_ = device;

    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return Fail(ErrorFromErrno(errno));
    // TIOCEXCL keeps out other users but not root; the advisory lock keeps out every program
    // that locks the device too (another copy of this library, kor, the explorer).
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return Fail(errno == EWOULDBLOCK ? PortError::Busy : ErrorFromErrno(errno));
    if (::ioctl(fd_, TIOCEXCL) != 0)
        return Fail(ErrorFromErrno(errno));

    termios settings{};
    if (::tcgetattr(fd_, &settings) != 0)
        return Fail(ErrorFromErrno(errno));
    // Fully raw: block data holds the bytes 17 and 19, which software flow control would eat.
    ::cfmakeraw(&settings);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    const auto rate = TermiosSpeed(speed);
    if (!rate || ::cfsetspeed(&settings, *rate) != 0)
        return Fail(PortError::BadSpeed);
    if (::tcsetattr(fd_, TCSANOW, &settings) != 0)
        return Fail(ErrorFromErrno(errno));

    speed_ = speed;
    SetReadTimeout(readConstantMs);
    SetWriteTimeout(1000);
    ::tcflush(fd_, TCIOFLUSH);
    trace_.Event("OPEN " + device + " " + std::to_string(speed));
    return true;
}

void CSerialPort::Close() {
    if (fd_ < 0)
        return;
    DrainOutput();
    // The exclusive mark outlives this descriptor when someone else holds the device open.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    trace_.Event("CLOSE " + device_);
}

void CSerialPort::DrainOutput() {
    const auto deadline = Clock::now() + kDrainLimit;
    int pending = 0;
    while (::ioctl(fd_, TIOCOUTQ, &pending) == 0 && pending > 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(milliseconds{1});
}

bool CSerialPort::SetSpeed(unsigned speed) {
    if (fd_ < 0)
        return false;
    const auto rate = TermiosSpeed(speed);
    termios settings{};
    if (!rate || ::tcgetattr(fd_, &settings) != 0)
        return false;
    DrainOutput();
    std::this_thread::sleep_for(kSpeedChangeSettle);
    ++speedChanges_;
    if (::cfsetspeed(&settings, *rate) != 0 || ::tcsetattr(fd_, TCSANOW, &settings) != 0)
        return false;
    speed_ = speed;
    trace_.Event("SPEED " + std::to_string(speed));
    return true;
}

bool CSerialPort::SetReadTimeout(unsigned constantMs) {
    if (fd_ < 0)
        return false;
    readConstantMs_ = constantMs;
    return true;
}

bool CSerialPort::SetWriteTimeout(unsigned seconds) {
    if (fd_ < 0)
        return false;
    writeConstantMs_ = seconds * 1000;
    return true;
}

void CSerialPort::Purge() {
    // Every write waits until its bytes have left, so only unread input remains to discard.
    // Flushing output as well would, on a pseudo-terminal, destroy a command the peer has not
    // read yet although it was sent.
    if (fd_ >= 0)
        ::tcflush(fd_, TCIFLUSH);
}

bool CSerialPort::Write(ByteView bytes) {
    if (bytes.empty())
        return true;
    if (fd_ < 0)
        return false;
    const auto deadline = Clock::now() + milliseconds{bytes.size() + writeConstantMs_};
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(fd_, POLLOUT, deadline))
                break;
        } else {
            break;
        }
    }
    trace_.Sent(speed_, bytes.first(done));
    DrainOutput();
    return done == bytes.size();
}

bool CSerialPort::Read(std::span<std::uint8_t> buffer, std::size_t& received) {
    received = 0;
    if (buffer.empty() || fd_ < 0)
        return true;
    const auto deadline = Clock::now() + milliseconds{2 * buffer.size() + readConstantMs_};
    bool hungUp = false;
    while (received < buffer.size()) {
        const auto n = ::read(fd_, buffer.data() + received, buffer.size() - received);
        if (n > 0) {
            received += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // A raw terminal with no byte waiting answers 0 or EAGAIN; any other error, or a
        // device that hung up, means nothing more will come.
        if ((n < 0 && errno != EAGAIN) || hungUp || Clock::now() >= deadline)
            break;
        pollfd p{fd_, POLLIN, 0};
        const int r = ::poll(&p, 1, RemainingMs(deadline));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        hungUp = (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
    }
    trace_.Received(speed_, buffer.first(received));
    return true;
}

bool CSerialPort::Exchange(ByteView command, std::span<std::uint8_t> reply, std::size_t& received,
                           std::chrono::milliseconds pause) {
    Purge();
    Write(command);
    if (pause.count() > 0)
        std::this_thread::sleep_for(pause);
    Read(reply, received);
    return received >= reply.size();
}

} // namespace korlink
