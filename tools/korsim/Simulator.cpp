#include "Simulator.h"

#include <cerrno>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <unistd.h>

namespace korsim {
namespace {

constexpr std::chrono::milliseconds kIdleWait{100};
constexpr std::chrono::milliseconds kNoClientWait{10};
// Paced output is written in slices of at least this length, not byte by byte.
constexpr std::chrono::microseconds kWriteSlice{1000};
// Paced escapes of one interrupt arrive a byte time apart (2.08 ms at 4800 bit/s); unpaced
// ones arrive in the same read.
constexpr std::chrono::microseconds kPacedBurstGap{3125};

timespec ToTimespec(std::chrono::nanoseconds d) {
    if (d.count() < 0)
        d = std::chrono::nanoseconds{0};
    return {static_cast<time_t>(d.count() / 1'000'000'000),
            static_cast<long>(d.count() % 1'000'000'000)};
}

} // namespace

Simulator::Simulator(RecorderModel model, SimulatorOptions options)
    : options_(options), model_(std::move(model)),
      protocol_(model_, options_.faults, options.lineTiming ? kPacedBurstGap : Clock::duration{}) {
    stopEvent_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (stopEvent_ < 0)
        throw std::runtime_error("eventfd failed");
    thread_ = std::thread([this] { Run(); });
}

Simulator::~Simulator() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto n = ::write(stopEvent_, &one, sizeof one);
    thread_.join();
    ::close(stopEvent_);
}

LineCounters Simulator::Counters() const {
    std::lock_guard lock(mutex_);
    LineCounters copy = counters_;
    copy.protocol = protocol_.Counters();
    return copy;
}

RecorderModel Simulator::Model() const {
    std::lock_guard lock(mutex_);
    return model_;
}

RecorderMode Simulator::Mode() const {
    std::lock_guard lock(mutex_);
    return protocol_.Mode();
}

Simulator::Clock::duration Simulator::ByteTime(unsigned speed) const {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds{10'000'000'000LL / static_cast<long long>(speed ? speed : 1)});
}

std::optional<Simulator::Clock::time_point> Simulator::NextDue() const {
    std::optional<Clock::time_point> due;
    if (!incoming_.empty())
        due = incoming_.front().due;
    if (!outgoing_.empty() && (!due || outgoing_.front().due < *due))
        due = outgoing_.front().due;
    return due;
}

void Simulator::Run() {
    const int master = terminal_.MasterFd();
    for (;;) {
        auto now = Clock::now();
        Clock::duration wait =
            clientPresent_ ? Clock::duration{kIdleWait} : Clock::duration{kNoClientWait};
        if (const auto due = NextDue()) {
            wait = std::max(*due - now, Clock::duration::zero());
            if (wait > Clock::duration::zero() && options_.lineTiming && incoming_.empty())
                wait = std::max<Clock::duration>(wait, kWriteSlice);
        }
        // Without a client the master reports a hang-up at once: look again after a pause.
        pollfd fds[2] = {{stopEvent_, POLLIN, 0}, {clientPresent_ ? master : -1, POLLIN, 0}};
        if (!unwritten_.empty())
            fds[1].events |= POLLOUT;
        const timespec timeout = ToTimespec(wait);
        if (::ppoll(fds, 2, &timeout, nullptr) < 0 && errno != EINTR)
            return;
        if (fds[0].revents & POLLIN)
            return;

        now = Clock::now();
        const auto clientSpeed = terminal_.ClientSpeed();
        const bool clientRaw = terminal_.ClientIsRaw();
        std::lock_guard lock(mutex_);
        ReadFromClient(now, clientSpeed.value_or(0));
        ProcessArrived(now);
        WriteDue(now, clientSpeed, clientRaw);
    }
}

void Simulator::ReadFromClient(Clock::time_point now, unsigned speed) {
    std::uint8_t buffer[4096];
    for (;;) {
        const auto n = ::read(terminal_.MasterFd(), buffer, sizeof buffer);
        if (n > 0) {
            clientPresent_ = true;
            for (ssize_t i = 0; i < n; ++i) {
                const auto byteTime = ByteTime(speed);
                receiveLineFree_ = std::max(receiveLineFree_, now) +
                                   (options_.lineTiming ? byteTime : Clock::duration{});
                incoming_.push_back({buffer[i], speed, receiveLineFree_});
                ++counters_.bytesReceived;
                counters_.lineSeconds += std::chrono::duration<double>(byteTime).count();
            }
            continue;
        }
        // EIO: no client has the device open. EAGAIN: nothing more to read now.
        if (n < 0 && errno == EIO)
            clientPresent_ = false;
        else if (n < 0 && errno == EAGAIN)
            clientPresent_ = true;
        return;
    }
}

void Simulator::ProcessArrived(Clock::time_point now) {
    std::vector<Transmission> replies;
    while (!incoming_.empty() && incoming_.front().due <= now) {
        const auto arrived = incoming_.front();
        incoming_.pop_front();
        replies.clear();
        protocol_.Receive(arrived.byte, arrived.speed, arrived.due, replies);
        for (const auto& reply : replies) {
            for (const std::uint8_t b : reply.bytes) {
                const auto byteTime = ByteTime(reply.speed);
                sendLineFree_ = std::max(sendLineFree_, arrived.due) +
                                (options_.lineTiming ? byteTime : Clock::duration{});
                outgoing_.push_back({b, reply.speed, sendLineFree_});
            }
        }
    }
}

void Simulator::WriteDue(Clock::time_point now, std::optional<unsigned> clientSpeed,
                         bool clientRaw) {
    const std::size_t silentAfter = options_.faults.silentAfterBytes;
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
        const auto out = outgoing_.front();
        outgoing_.pop_front();
        counters_.lineSeconds += std::chrono::duration<double>(ByteTime(out.speed)).count();
        // A byte sent at another speed than the client listens at never arrives as sent; a
        // client that has not set up its port yet would echo it back.
        const bool heard = clientPresent_ && clientRaw && clientSpeed == out.speed;
        const bool silenced = silentAfter > 0 && counters_.bytesSent >= silentAfter;
        if (heard && !silenced) {
            unwritten_.push_back(out.byte);
            ++counters_.bytesSent;
        }
    }
    if (unwritten_.empty())
        return;
    const auto n = ::write(terminal_.MasterFd(), unwritten_.data(), unwritten_.size());
    if (n > 0)
        unwritten_.erase(unwritten_.begin(), unwritten_.begin() + n);
    else if (n < 0 && errno == EIO)
        unwritten_.clear();
}

} // namespace korsim
