#pragma once

#include "Bytes.h"
#include "Commands.h"
#include "ConnectPrompt.h"
#include "Operation.h"
#include "SerialPort.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korlink {

// What a connection is asked to do: the port 1..8, how many further one-second probes follow
// the first, and whether to stay silent instead of asking the user.
struct ConnectRequest {
    int port = 1;
    unsigned retries = 3;
    bool quiet = true;
};

// Outcome of reading one memory area in block mode.
enum class AreaStatus {
    Complete,    // every block arrived (or the first one, when only that was asked for)
    NotOpened,   // the recorder did not switch to block mode
    NoSize,      // the area size was not given; the port stays at 57600 bit/s
    BlockFailed, // a block failed three times
};

struct AreaDownload {
    AreaStatus status = AreaStatus::NotOpened;
    std::uint32_t length = 0; // the area length the recorder announced
    Bytes data;               // `length` bytes; after a first-block-only read, zeros past it
};

// The one link to the recorder: owns the serial port and speaks the recorder's command protocol.
// Every operation starts from an interrupt or a mode entry, so it never relies on the mode an
// earlier operation left the recorder in.
class CRecorderLink {
public:
    CRecorderLink() = default;
    CRecorderLink(const CRecorderLink&) = delete;
    CRecorderLink& operator=(const CRecorderLink&) = delete;

    // Runs the operations made while it lives in `operation` (progress, cancellation, pauses).
    class OperationScope {
    public:
        OperationScope(CRecorderLink& link, OperationEnvironment& operation)
            : link_(link), previous_(link.operation_) {
            link.operation_ = &operation;
        }
        ~OperationScope() { link_.operation_ = previous_; }
        OperationScope(const OperationScope&) = delete;
        OperationScope& operator=(const OperationScope&) = delete;

    private:
        CRecorderLink& link_;
        OperationEnvironment* previous_;
    };

    CSerialPort& Port() { return port_; }
    const std::string& PortName() const { return portName_; }
    OperationEnvironment& Operation() { return *operation_; }

    // Connection.
    ConnectResult OpenPort(int port);
    ConnectResult Connect(const ConnectRequest& request, ConnectPrompt* prompt = nullptr);

    // Protocol primitives.
    bool Interrupt(int count);
    bool EnterUploadMode();
    bool EnterDownloadMode();
    // The payload (reply bytes 3 ..) of record c, d, t, w or x. Upload mode must be entered.
    std::optional<Bytes> ReadRecord(char letter);
    std::optional<Bytes> ReadSecurityRecord();
    std::optional<Bytes> ReadDirectory(std::size_t capacity = command::kDirectoryCapacity);
    bool OpenArea(int area);
    std::optional<std::uint32_t> AreaSize();
    // Reads `length` bytes of block data into `destination`, which must hold length + 2.
    bool ReadBlocks(std::uint32_t length, std::span<std::uint8_t> destination);
    AreaDownload DownloadArea(int area, bool firstBlockOnly = false);
    bool LeaveBlockMode();
    bool SendLine(std::string_view text, bool longPause = false);
    void ResetRecorderSpeed();
    void ClearNavpoints();
    void GpsOff();

private:
    bool Exchange(ByteView command, std::span<std::uint8_t> reply,
                  std::chrono::milliseconds pause = std::chrono::milliseconds{0});
    bool Send(ByteView command);
    // Interrupt, then the mode command, up to three times.
    bool EnterMode(std::string_view command, std::span<std::uint8_t> reply);
    bool ReadBlock(std::span<std::uint8_t> blockWithCheck, bool firstTry);
    enum class BlockReadStop { AfterAll, AfterFirst };
    bool ReadBlockSequence(std::uint32_t length, std::span<std::uint8_t> destination,
                           BlockReadStop stop);
    void Pause(std::chrono::milliseconds duration) { operation_->Sleep(duration); }

    CSerialPort port_;
    std::string portName_;
    QuietOperation quietOperation_;
    OperationEnvironment* operation_ = &quietOperation_;
};

} // namespace korlink
