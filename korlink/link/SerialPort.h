#pragma once

#include "Bytes.h"
#include "LineTrace.h"

#include <chrono>
#include <cstddef>
#include <span>
#include <string>

namespace korlink {

// Why the last Open failed, so that a missing adapter, a busy device and a user outside the
// dialout group are told apart.
enum class PortError { None, NoDevice, PermissionDenied, Busy, NotATerminal, BadSpeed, Other };

// Text for a port error, with the hint that fixes it where there is one.
std::string DescribePortError(PortError error, const std::string& device);

// The serial line to the recorder: a raw 8N1 terminal device. Every read has a deadline of
// 2 * N + C ms for N bytes; every write 1 ms per byte plus the write constant.
class CSerialPort {
public:
    CSerialPort() = default;
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    bool Open(const std::string& device, unsigned speed, unsigned readConstantMs);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    bool SetSpeed(unsigned speed);
    unsigned Speed() const { return speed_; }
    bool SetReadTimeout(unsigned constantMs);
    bool SetWriteTimeout(unsigned seconds);

    // Discards unread input; output is already gone, as every Write waits for it to leave.
    void Purge();
    bool Write(ByteView bytes);
    // Receives up to buffer.size() bytes within the read deadline. A timeout is not an error:
    // `received` tells how many arrived.
    bool Read(std::span<std::uint8_t> buffer, std::size_t& received);
    // Purge, send, pause, then read exactly reply.size() bytes. True when all of them arrived.
    bool Exchange(ByteView command, std::span<std::uint8_t> reply, std::size_t& received,
                  std::chrono::milliseconds pause = std::chrono::milliseconds{0});

    const std::string& Device() const { return device_; }
    // How many speed changes (each with its settle time) the port has made.
    unsigned SpeedChanges() const { return speedChanges_; }
    PortError LastError() const { return lastError_; }

private:
    bool Fail(PortError error);
    void DrainOutput();

    int fd_ = -1;
    std::string device_;
    unsigned speed_ = 0;
    unsigned readConstantMs_ = 0;
    unsigned writeConstantMs_ = 0;
    unsigned speedChanges_ = 0;
    PortError lastError_ = PortError::None;
    LineTrace trace_;
};

} // namespace korlink
