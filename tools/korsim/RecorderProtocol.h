#pragma once

#include "RecorderModel.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace korsim {

// Faults the simulated recorder can be told to show.
struct Faults {
    unsigned dropInterruptAnswers = 0; // the first n interrupts get no answer
    unsigned corruptBlock = 0;         // block k (1-based, within an area) is sent damaged once
    unsigned failBlock = 0;            // block k of a flight's fix data is always sent damaged
    std::size_t silentAfterBytes = 0;  // after sending this many bytes, send nothing (0: never)
    unsigned badCommandChecks = 0;     // the next n framed replies carry a wrong command check
    std::size_t shortDirectoryBy = 0;  // the directory body is sent this many bytes short
    unsigned unacknowledgedLines = 0;  // the next n data lines are taken but not answered
    unsigned ignoredLines = 0;         // the next n data lines are neither taken nor answered
    unsigned unappliedLines = 0;       // the next n data lines are answered but not taken
    unsigned silentFromLine = 0;       // data line k (1-based) and all after it go unanswered
    std::size_t movedNavpoint = 0;     // navpoint n (1-based) is stored `movedMetres` further north
    double movedMetres = 0;
};

enum class RecorderMode { Undetermined, Command, Upload, Download, Block };

// Bytes the recorder sends, at the line speed it sends them with.
struct Transmission {
    Bytes bytes;
    unsigned speed;
};

struct ProtocolCounters {
    unsigned interrupts = 0;           // interrupt bursts received (n bytes of 3 count once)
    unsigned blocksSent = 0;           // blocks sent, repeats included
    unsigned blockRepeats = 0;         // 3, 7 requests
    std::vector<std::string> commands; // text commands and data lines, without "\r"
    unsigned dataLines = 0;            // lines received in download mode
};

// The recorder's side of the command protocol, fed one received byte at a time. It listens
// at 4800 bit/s, or at 57600 bit/s in block mode; bytes at the other speed are line noise.
class RecorderProtocol {
public:
    using Clock = std::chrono::steady_clock;

    // Escapes that follow each other within `burstGap` are one interrupt (n bytes of 3 sent
    // together); the next interrupt comes only after the answer to the last one was read.
    RecorderProtocol(RecorderModel& model, const Faults& faults, Clock::duration burstGap);

    void Receive(std::uint8_t byte, unsigned speed, Clock::time_point when,
                 std::vector<Transmission>& out);

    RecorderMode Mode() const { return mode_; }
    unsigned LineSpeed() const;
    const ProtocolCounters& Counters() const { return counters_; }

private:
    void ReceiveText(std::uint8_t byte, Clock::time_point when, std::vector<Transmission>& out);
    void ReceiveBlockCommand(std::uint8_t byte, std::vector<Transmission>& out);
    void Interrupt(std::vector<Transmission>& out);
    void HandleLine(const std::string& line, std::vector<Transmission>& out);
    // A line in download mode: false when it is not answered.
    bool TakeDataLine(const std::string& line);
    bool HandleModeCommand(const std::string& line, std::vector<Transmission>& out);
    void HandleUploadCommand(const std::string& line, std::vector<Transmission>& out);
    void SendBlock(bool repeat, std::vector<Transmission>& out);
    void Send(Bytes bytes, std::vector<Transmission>& out);
    void SendFramed(std::uint8_t commandCheck, const Bytes& payload, std::size_t length,
                    std::vector<Transmission>& out);

    RecorderModel& model_;
    Faults faults_;
    Clock::duration burstGap_;
    ProtocolCounters counters_;
    RecorderMode mode_ = RecorderMode::Undetermined;
    std::string line_;
    bool lineOverflow_ = false;
    bool afterEscape_ = false;
    Clock::time_point lastEscape_{};
    bool blockEscape_ = false;
    int openArea_ = 0;
    int lastFlightArea_ = 0; // the flight whose security record "b 128" reports
    std::size_t blockStart_ = 0;
    bool blockSent_ = false;
    bool blockCorrupted_ = false;
};

} // namespace korsim
