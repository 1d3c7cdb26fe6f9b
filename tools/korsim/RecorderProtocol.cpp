#include "RecorderProtocol.h"

#include "link/Checks.h"
#include "link/Commands.h"

#include <algorithm>
#include <charconv>

namespace korsim {

using namespace korlink::command;
using korlink::AsBytes;
using korlink::XorOf;

namespace {

constexpr std::size_t kLongestLine = 255;

// The recorder's text answers; their content is only counted by the library.
Bytes FixedText(std::string_view text, std::size_t length) {
    Bytes bytes(length, ' ');
    std::copy_n(text.begin(), std::min(text.size(), length), bytes.begin());
    return bytes;
}

std::optional<int> AreaNumber(std::string_view line) {
    if (line.size() < 3 || line.substr(0, 2) != "b ")
        return std::nullopt;
    int number = 0;
    const auto digits = line.substr(2);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

} // namespace

RecorderProtocol::RecorderProtocol(RecorderModel& model, const Faults& faults,
                                   Clock::duration burstGap)
    : model_(model), faults_(faults), burstGap_(burstGap) {}

unsigned RecorderProtocol::LineSpeed() const {
    return mode_ == RecorderMode::Block ? kBlockSpeed : kTextSpeed;
}

void RecorderProtocol::Receive(std::uint8_t byte, unsigned speed, Clock::time_point when,
                               std::vector<Transmission>& out) {
    if (mode_ == RecorderMode::Block) {
        if (speed == kBlockSpeed) {
            ReceiveBlockCommand(byte, out);
        } else if (byte == kEscape) {
            // An interrupt at 4800 bit/s breaks the block transfer off, unanswered.
            mode_ = RecorderMode::Command;
            blockEscape_ = false;
        }
        return;
    }
    if (speed == kTextSpeed)
        ReceiveText(byte, when, out);
}

void RecorderProtocol::ReceiveText(std::uint8_t byte, Clock::time_point when,
                                   std::vector<Transmission>& out) {
    if (byte == kEscape) {
        const bool sameBurst = afterEscape_ && when - lastEscape_ <= burstGap_;
        afterEscape_ = true;
        lastEscape_ = when;
        if (!sameBurst)
            Interrupt(out);
        return;
    }
    afterEscape_ = false;
    if (byte == '\n' && line_.empty())
        return;
    if (byte != '\r') {
        if (line_.size() < kLongestLine)
            line_.push_back(static_cast<char>(byte));
        else
            lineOverflow_ = true;
        return;
    }
    const std::string line = std::move(line_);
    const bool overflow = lineOverflow_;
    line_.clear();
    lineOverflow_ = false;
    if (!overflow)
        HandleLine(line, out);
}

void RecorderProtocol::Interrupt(std::vector<Transmission>& out) {
    ++counters_.interrupts;
    line_.clear();
    lineOverflow_ = false;
    mode_ = RecorderMode::Command;
    if (faults_.dropInterruptAnswers > 0) {
        --faults_.dropInterruptAnswers;
        return;
    }
    Send(FixedText("\r\nVelmora recorder\r\n> ", kInterruptReply), out);
}

void RecorderProtocol::HandleLine(const std::string& line, std::vector<Transmission>& out) {
    counters_.commands.push_back(line);
    switch (mode_) {
    case RecorderMode::Download:
        if (TakeDataLine(line))
            SendFramed(XorOf(AsBytes(line)), FixedText("OK\r\n", 6), kDataLineReply, out);
        return;
    case RecorderMode::Command:
        HandleModeCommand(line, out);
        return;
    case RecorderMode::Upload:
        if (!HandleModeCommand(line, out))
            HandleUploadCommand(line, out);
        return;
    case RecorderMode::Undetermined:
    case RecorderMode::Block:
        return;
    }
}

bool RecorderProtocol::TakeDataLine(const std::string& line) {
    ++counters_.dataLines;
    if (faults_.silentFromLine > 0 && counters_.dataLines >= faults_.silentFromLine)
        return false;
    if (faults_.ignoredLines > 0) {
        --faults_.ignoredLines;
        return false;
    }
    if (faults_.unappliedLines > 0) {
        --faults_.unappliedLines;
        return true;
    }
    if (!model_.AcceptLine(line))
        return false;
    if (faults_.movedNavpoint > 0 &&
        line.starts_with("C," + std::to_string(faults_.movedNavpoint) + ","))
        model_.MoveNavpoint(faults_.movedNavpoint, faults_.movedMetres);
    if (faults_.unacknowledgedLines > 0) {
        --faults_.unacknowledgedLines;
        return false;
    }
    return true;
}

bool RecorderProtocol::HandleModeCommand(const std::string& line, std::vector<Transmission>& out) {
    if (line == "upl 1") {
        mode_ = RecorderMode::Upload;
        Send(FixedText("\r\nUpload mode\r\n", kUploadModeReply), out);
    } else if (line == "dow 1") {
        mode_ = RecorderMode::Download;
        Send(FixedText("\r\nDownload mode\r\n", kDownloadModeReply), out);
    } else if (line == "die") {
        mode_ = RecorderMode::Undetermined;
    } else if (line == "bau 6") {
        Send(FixedText("\r\nLine speed 4800\r\n", kSpeedResetReply), out);
    } else if (line == "cle poi") {
        model_.ClearNavpoints();
    } else {
        return false;
    }
    return true;
}

void RecorderProtocol::HandleUploadCommand(const std::string& line,
                                           std::vector<Transmission>& out) {
    if (const auto length = line.size() == 1 ? RecordReplyLength(line[0]) : std::nullopt) {
        const auto record = model_.records.find(line[0]);
        if (record != model_.records.end())
            SendFramed(static_cast<std::uint8_t>(line[0]), record->second, *length, out);
        return;
    }
    if (line == "b 128") {
        SendFramed(XorOf(AsBytes(line)), model_.SecurityRecordFor(lastFlightArea_), kSecurityReply,
                   out);
        return;
    }
    if (line == "b 129") {
        const auto size = model_.directory.size();
        const Bytes header{static_cast<std::uint8_t>(size >> 8), static_cast<std::uint8_t>(size),
                           XorOf(model_.directory)};
        SendFramed(XorOf(AsBytes(line)), header, kDirectoryHeaderReply, out);
        return;
    }
    if (line == "b") {
        const auto& body = model_.directory;
        const auto sent = body.size() - std::min(faults_.shortDirectoryBy, body.size());
        Send(Bytes(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(sent)), out);
        return;
    }
    if (const auto area = AreaNumber(line)) {
        if (model_.areas.count(*area) == 0) {
            Send(FixedText("\r\nERR\r\n", 7), out);
            return;
        }
        mode_ = RecorderMode::Block;
        openArea_ = *area;
        if (*area >= kFirstFlightArea && *area <= kLastFlightArea)
            lastFlightArea_ = *area;
        blockStart_ = 0;
        blockSent_ = false;
        blockEscape_ = false;
    }
}

void RecorderProtocol::ReceiveBlockCommand(std::uint8_t byte, std::vector<Transmission>& out) {
    if (!blockEscape_) {
        blockEscape_ = byte == kEscape;
        return;
    }
    blockEscape_ = false;
    switch (byte) {
    case kAreaSize: {
        const auto size = model_.areas[openArea_].size();
        SendFramed(0,
                   {static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 8),
                    static_cast<std::uint8_t>(size)},
                   kAreaSizeReply, out);
        break;
    }
    case kNextBlock:
        SendBlock(false, out);
        break;
    case kRepeatBlock:
        ++counters_.blockRepeats;
        SendBlock(true, out);
        break;
    case kLeaveBlockMode:
        mode_ = RecorderMode::Command;
        break;
    default:
        break;
    }
}

void RecorderProtocol::SendBlock(bool repeat, std::vector<Transmission>& out) {
    const Bytes& area = model_.areas[openArea_];
    if (blockSent_ && !repeat)
        blockStart_ = std::min(area.size(), blockStart_ + kBlockSize);
    blockSent_ = true;
    if (blockStart_ >= area.size())
        return;
    const auto size = std::min(kBlockSize, area.size() - blockStart_);
    const auto first = area.begin() + static_cast<std::ptrdiff_t>(blockStart_);
    Bytes block(first, first + static_cast<std::ptrdiff_t>(size));
    const auto check = korlink::BlockChecksum(block);
    block.push_back(static_cast<std::uint8_t>(check >> 8));
    block.push_back(static_cast<std::uint8_t>(check));
    const auto number = blockStart_ / kBlockSize + 1;
    if (number == faults_.corruptBlock && !blockCorrupted_) {
        block[0] ^= 0x5A;
        blockCorrupted_ = true;
    }
    if (number == faults_.failBlock && openArea_ >= 1 && openArea_ <= 16)
        block[0] ^= 0x5A;
    ++counters_.blocksSent;
    Send(std::move(block), out);
}

void RecorderProtocol::SendFramed(std::uint8_t commandCheck, const Bytes& payload,
                                  std::size_t length, std::vector<Transmission>& out) {
    Bytes reply(length, 0);
    std::copy_n(payload.begin(), std::min(payload.size(), length - 3), reply.begin() + 3);
    reply[0] = static_cast<std::uint8_t>(length);
    reply[1] = commandCheck;
    reply[2] = XorOf(korlink::ByteView(reply).subspan(3));
    if (faults_.badCommandChecks > 0) {
        --faults_.badCommandChecks;
        reply[1] ^= 0xFF;
    }
    Send(std::move(reply), out);
}

void RecorderProtocol::Send(Bytes bytes, std::vector<Transmission>& out) {
    if (!bytes.empty())
        out.push_back({std::move(bytes), LineSpeed()});
}

} // namespace korsim
