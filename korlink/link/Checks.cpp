#include "Checks.h"

#include "Commands.h"

#include <algorithm>
#include <numeric>

namespace korlink {

std::uint8_t XorOf(ByteView bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), std::uint8_t{0},
                           [](std::uint8_t acc, std::uint8_t b) { return acc ^ b; });
}

std::uint16_t BlockChecksum(ByteView data) {
    const auto sum = std::accumulate(data.begin(), data.end(), std::uint32_t{0});
    return static_cast<std::uint16_t>((0u - sum) & 0xFFFFu);
}

bool IsValidFramedReply(ByteView reply, ByteView command, std::size_t commandCheckLength) {
    if (reply.size() < 3 || commandCheckLength > command.size())
        return false;
    const std::size_t claimed = reply[0];
    if (claimed > reply.size())
        return false;
    const auto payloadEnd = std::max<std::size_t>(claimed, 3);
    return reply[1] == XorOf(command.first(commandCheckLength)) &&
           reply[2] == XorOf(reply.subspan(3, payloadEnd - 3));
}

std::optional<Bytes> FramedPayload(ByteView reply, ByteView command,
                                   std::size_t commandCheckLength) {
    if (!IsValidFramedReply(reply, command, commandCheckLength))
        return std::nullopt;
    return Bytes(reply.begin() + 3, reply.end());
}

bool IsValidBlock(ByteView dataWithCheck) {
    if (dataWithCheck.size() < 2)
        return false;
    const auto data = dataWithCheck.first(dataWithCheck.size() - 2);
    const std::uint16_t check =
        static_cast<std::uint16_t>((dataWithCheck[data.size()] << 8) | dataWithCheck.back());
    return check == BlockChecksum(data);
}

std::optional<DirectoryHeader> DecodeDirectoryHeader(ByteView reply, std::size_t capacity) {
    constexpr std::size_t kAnnounced = 6;
    const auto command = AsBytes(command::kDirectoryHeader);
    if (reply.size() < kAnnounced ||
        !IsValidFramedReply(reply, command, command::kAreaCommandCheck))
        return std::nullopt;
    const DirectoryHeader header{std::size_t{reply[3]} * 256u + reply[4], reply[5]};
    // A directory larger than the caller's buffer is refused, never read past its end.
    if (header.bodyLength > capacity)
        return std::nullopt;
    return header;
}

} // namespace korlink
