#include "RecorderLink.h"

#include "Checks.h"

#include <algorithm>
#include <array>
#include <string>

namespace korlink {

using namespace command;
using std::chrono::milliseconds;

namespace {

constexpr int kAttempts = 3;
constexpr milliseconds kModeSettle{100};
constexpr milliseconds kLinePause{100};
constexpr milliseconds kLongLinePause{2500};
constexpr milliseconds kClearNavpointsPause{4000};

} // namespace

bool CRecorderLink::Exchange(ByteView command, std::span<std::uint8_t> reply, milliseconds pause) {
    std::size_t received = 0;
    return port_.Exchange(command, reply, received, pause);
}

bool CRecorderLink::Send(ByteView command) {
    return Exchange(command, {});
}

bool CRecorderLink::Interrupt(int count) {
    const Bytes interrupt(static_cast<std::size_t>(std::max(count, 0)), kEscape);
    std::array<std::uint8_t, kInterruptReply> reply{};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (Exchange(interrupt, reply))
            return true;
    }
    return false;
}

bool CRecorderLink::EnterMode(std::string_view command, std::span<std::uint8_t> reply) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Interrupt(1);
        if (Exchange(AsBytes(command), reply))
            return true;
    }
    return false;
}

bool CRecorderLink::EnterUploadMode() {
    std::array<std::uint8_t, kUploadModeReply> reply{};
    if (!EnterMode(kUploadMode, reply))
        return false;
    Pause(kModeSettle);
    return true;
}

bool CRecorderLink::EnterDownloadMode() {
    std::array<std::uint8_t, kDownloadModeReply> reply{};
    return EnterMode(kDownloadMode, reply);
}

std::optional<Bytes> CRecorderLink::ReadRecord(char letter) {
    const auto length = RecordReplyLength(letter);
    if (!length)
        return std::nullopt;
    const std::array<std::uint8_t, 2> request{static_cast<std::uint8_t>(letter), '\r'};
    Bytes reply(*length);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (Exchange(request, reply)) {
            if (auto payload = FramedPayload(reply, request, 1))
                return payload;
        }
        if (attempt + 1 < kAttempts) {
            Interrupt(1);
            EnterUploadMode();
        }
    }
    return std::nullopt;
}

std::optional<Bytes> CRecorderLink::ReadSecurityRecord() {
    Bytes reply(kSecurityReply);
    if (!Exchange(AsBytes(kSecurityRecord), reply))
        return std::nullopt;
    return FramedPayload(reply, AsBytes(kSecurityRecord), kAreaCommandCheck);
}

std::optional<Bytes> CRecorderLink::ReadDirectory(std::size_t capacity) {
    Interrupt(5);
    if (!Interrupt(1) || !EnterUploadMode())
        return std::nullopt;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Interrupt(1);
        EnterUploadMode();
        port_.SetReadTimeout(kDirectoryReadConstantMs);
        std::array<std::uint8_t, kDirectoryHeaderReply> reply{};
        const auto header = Exchange(AsBytes(kDirectoryHeader), reply)
                                ? DecodeDirectoryHeader(reply, capacity)
                                : std::nullopt;
        if (header) {
            Bytes body(header->bodyLength);
            if (Exchange(AsBytes(kDirectoryBody), body) && XorOf(body) == header->bodyCheck)
                return body;
        }
        port_.SetReadTimeout(kNormalReadConstantMs);
    }
    return std::nullopt;
}

bool CRecorderLink::OpenArea(int area) {
    const std::string select = "b " + std::to_string(area) + "\r\n";
    std::array<std::uint8_t, kAreaRejectReply> answer{};
    if (Exchange(AsBytes(select), answer))
        return false; // still talking text: the recorder did not switch to block mode
    port_.SetSpeed(kBlockSpeed);
    return true;
}

std::optional<std::uint32_t> CRecorderLink::AreaSize() {
    const std::array<std::uint8_t, 2> request{kEscape, kAreaSize};
    std::array<std::uint8_t, kAreaSizeReply> reply{};
    if (!Exchange(request, reply) || !IsValidFramedReply(reply, request, 2))
        return std::nullopt;
    return (std::uint32_t{reply[3]} << 16) | (std::uint32_t{reply[4]} << 8) | reply[5];
}

bool CRecorderLink::ReadBlock(std::span<std::uint8_t> blockWithCheck, bool firstTry) {
    const std::array<std::uint8_t, 2> request{kEscape, firstTry ? kNextBlock : kRepeatBlock};
    return Exchange(request, blockWithCheck) && IsValidBlock(blockWithCheck);
}

bool CRecorderLink::ReadBlockSequence(std::uint32_t length, std::span<std::uint8_t> destination,
                                      BlockReadStop stop) {
    if (destination.size() < std::size_t{length} + 2)
        return false;
    operation_->SetProgressRange(length);
    std::size_t offset = 0;
    while (offset < length) {
        if (operation_->IsCancelled())
            return false;
        const std::size_t size = std::min<std::size_t>(length - offset, kBlockSize);
        // Each block's check bytes land where the next block's data goes.
        const auto block = destination.subspan(offset, size + 2);
        bool good = false;
        for (int attempt = 0; attempt < kAttempts && !good; ++attempt)
            good = ReadBlock(block, attempt == 0);
        if (!good)
            return false;
        if (stop == BlockReadStop::AfterFirst)
            return true;
        offset += size;
        operation_->SetProgressPosition(static_cast<unsigned>(offset));
    }
    return true;
}

bool CRecorderLink::ReadBlocks(std::uint32_t length, std::span<std::uint8_t> destination) {
    const bool complete = ReadBlockSequence(length, destination, BlockReadStop::AfterAll);
    LeaveBlockMode();
    return complete;
}

AreaDownload CRecorderLink::DownloadArea(int area, bool firstBlockOnly) {
    AreaDownload result;
    Interrupt(1);
    EnterUploadMode();
    if (!OpenArea(area)) {
        result.status = AreaStatus::NotOpened;
        return result;
    }
    const auto size = AreaSize();
    if (!size) {
        result.status = AreaStatus::NoSize;
        return result;
    }
    result.length = *size;
    result.data.assign(std::size_t{*size} + 2, 0);
    const bool complete = ReadBlockSequence(
        *size, result.data, firstBlockOnly ? BlockReadStop::AfterFirst : BlockReadStop::AfterAll);
    LeaveBlockMode();
    result.data.resize(*size);
    result.status = complete ? AreaStatus::Complete : AreaStatus::BlockFailed;
    return result;
}

bool CRecorderLink::LeaveBlockMode() {
    port_.SetSpeed(kBlockSpeed);
    Send(std::array<std::uint8_t, 2>{kEscape, kLeaveBlockMode});
    port_.SetSpeed(kTextSpeed);
    return true;
}

bool CRecorderLink::SendLine(std::string_view text, bool longPause) {
    if (text.empty())
        return false;
    const auto line = AsBytes(text);
    std::array<std::uint8_t, kDataLineReply> reply{};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Pause(kLinePause);
        if (Exchange(line, reply, longPause ? kLongLinePause : milliseconds{0}) &&
            IsValidFramedReply(reply, line, line.size() - 1)) {
            Pause(kLinePause);
            return true;
        }
        if (attempt + 1 < kAttempts) {
            Interrupt(1);
            EnterDownloadMode();
        }
    }
    return false;
}

void CRecorderLink::ResetRecorderSpeed() {
    Interrupt(1);
    std::array<std::uint8_t, kSpeedResetReply> answer{};
    Exchange(AsBytes(kSpeedReset), answer);
    port_.SetSpeed(kTextSpeed);
}

void CRecorderLink::ClearNavpoints() {
    Interrupt(4);
    Send(AsBytes(kClearNavpoints));
    Pause(kClearNavpointsPause);
    Interrupt(1);
}

void CRecorderLink::GpsOff() {
    Send(AsBytes(kGpsOff));
}

} // namespace korlink
