#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korlink::command {

// Text commands, sent at 4800 bit/s.
constexpr std::string_view kUploadMode = "upl 1\r";
constexpr std::string_view kDownloadMode = "dow 1\r";
constexpr std::string_view kGpsOff = "die\r\n";
constexpr std::string_view kSpeedReset = "bau 6\r\n";
constexpr std::string_view kClearNavpoints = "cle poi\r";
constexpr std::string_view kSecurityRecord = "b 128\r\n";
constexpr std::string_view kDirectoryHeader = "b 129\r\n";
constexpr std::string_view kDirectoryBody = "b\r\n";

// Binary commands of block mode, sent at 57600 bit/s.
constexpr std::uint8_t kEscape = 3;
constexpr std::uint8_t kAreaSize = 3;
constexpr std::uint8_t kNextBlock = 17;
constexpr std::uint8_t kRepeatBlock = 7;
constexpr std::uint8_t kLeaveBlockMode = 27;

// Area numbers of "b n": flight logs 1..16 by directory position, and the site/navpoint area.
constexpr int kFirstFlightArea = 1;
constexpr int kLastFlightArea = 16;
constexpr int kSiteArea = 130;

// Reply lengths.
constexpr std::size_t kInterruptReply = 22;
constexpr std::size_t kUploadModeReply = 25;
constexpr std::size_t kDownloadModeReply = 27;
constexpr std::size_t kSpeedResetReply = 50;
constexpr std::size_t kSecurityReply = 52;
constexpr std::size_t kDirectoryHeaderReply = 22;
constexpr std::size_t kAreaSizeReply = 6;
constexpr std::size_t kDataLineReply = 9;
constexpr std::size_t kAreaRejectReply = 3;

// Commands whose framed reply echoes the XOR of their first five bytes ("b 128", "b 129").
constexpr std::size_t kAreaCommandCheck = 5;

constexpr unsigned kTextSpeed = 4800;
constexpr unsigned kBlockSpeed = 57600;
constexpr std::size_t kBlockSize = 1024;
constexpr std::size_t kDirectoryCapacity = 1024;

// Read constants of the port.
constexpr unsigned kNormalReadConstantMs = 200;
constexpr unsigned kDirectoryReadConstantMs = 500;

// Reply length of the record read with letter c, d, t, w or x.
constexpr std::optional<std::size_t> RecordReplyLength(char letter) {
    switch (letter) {
    case 'c':
        return 13;
    case 'd':
        return 78;
    case 't':
        return 99;
    case 'w':
        return 41;
    case 'x':
        return 109;
    default:
        return std::nullopt;
    }
}

} // namespace korlink::command
