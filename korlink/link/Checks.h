#pragma once

#include "Bytes.h"

#include <cstdint>
#include <optional>

namespace korlink {

// XOR of all bytes: the check of framed replies and of the log directory.
std::uint8_t XorOf(ByteView bytes);

// Check value of one transfer block: 16-bit two's complement of the byte sum.
std::uint16_t BlockChecksum(ByteView data);

// A framed reply is [L, command check, payload check, payload...]. It is accepted when byte 1
// equals the XOR of the first `commandCheckLength` command bytes and byte 2 equals the XOR of
// bytes 3 .. L-1. A length byte that claims more than arrived cannot be verified and is refused.
bool IsValidFramedReply(ByteView reply, ByteView command, std::size_t commandCheckLength);

// The payload (bytes 3 .. end) of a verified reply, or nothing.
std::optional<Bytes> FramedPayload(ByteView reply, ByteView command,
                                   std::size_t commandCheckLength);

// A received block of data plus its two check bytes (high byte first) is good when the check
// bytes match the data.
bool IsValidBlock(ByteView dataWithCheck);

// What the directory header ("b 129") announces: the length of the directory body and its XOR.
struct DirectoryHeader {
    std::size_t bodyLength = 0;
    std::uint8_t bodyCheck = 0;
};

// The header from its framed reply: bytes 3 and 4 give the body length (high byte first), byte
// 5 its check. Nothing when the reply is not valid or announces more than `capacity` bytes.
std::optional<DirectoryHeader> DecodeDirectoryHeader(ByteView reply, std::size_t capacity);

} // namespace korlink
