#pragma once

#include "PseudoTerminal.h"
#include "RecorderModel.h"
#include "RecorderProtocol.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace korsim {

struct SimulatorOptions {
    bool lineTiming = false; // pace every byte at 10 bits per byte of the speed in use
    Faults faults;
};

struct LineCounters {
    ProtocolCounters protocol;
    std::size_t bytesReceived = 0;
    std::size_t bytesSent = 0;
    double lineSeconds = 0; // ideal line time of every byte exchanged, both directions
};

// A recorder on a pseudo-terminal, served from a thread of its own until destroyed.
class Simulator {
public:
    explicit Simulator(RecorderModel model, SimulatorOptions options = {});
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    const std::string& DevicePath() const { return terminal_.DevicePath(); }
    LineCounters Counters() const;
    RecorderModel Model() const;
    RecorderMode Mode() const;

private:
    using Clock = std::chrono::steady_clock;
    struct TimedByte {
        std::uint8_t byte;
        unsigned speed;
        Clock::time_point due;
    };

    void Run();
    void ReadFromClient(Clock::time_point now, unsigned speed);
    void ProcessArrived(Clock::time_point now);
    void WriteDue(Clock::time_point now, std::optional<unsigned> clientSpeed, bool clientRaw);
    Clock::duration ByteTime(unsigned speed) const;
    std::optional<Clock::time_point> NextDue() const;

    PseudoTerminal terminal_;
    SimulatorOptions options_;
    int stopEvent_ = -1;

    mutable std::mutex mutex_; // guards the model, the protocol and the counters
    RecorderModel model_;
    RecorderProtocol protocol_;
    LineCounters counters_;

    std::deque<TimedByte> incoming_;
    std::deque<TimedByte> outgoing_;
    Bytes unwritten_; // accepted for sending but refused by a full terminal buffer
    Clock::time_point receiveLineFree_{};
    Clock::time_point sendLineFree_{};
    bool clientPresent_ = false;
    std::thread thread_;
};

} // namespace korsim
