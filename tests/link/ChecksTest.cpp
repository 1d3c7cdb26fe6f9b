#include "link/Checks.h"

#include "link/Commands.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

TEST(Checks, XorAndBlockChecksum) {
    EXPECT_EQ(XorOf(AsBytes("b 128")), 'b' ^ ' ' ^ '1' ^ '2' ^ '8');
    EXPECT_EQ(XorOf({}), 0);
    EXPECT_EQ(BlockChecksum({}), 0);
    const Bytes data{0x01, 0x02, 0xFF};
    EXPECT_EQ(BlockChecksum(data), (0x10000 - 0x102) & 0xFFFF);
    EXPECT_EQ(BlockChecksum(Bytes(1024, 0xFF)), (0x10000 - (1024 * 0xFF) % 0x10000) & 0xFFFF);
}

TEST(Checks, FramedReplies) {
    const Bytes command{'x', '\r'};
    struct Case {
        const char* what;
        Bytes reply;
        bool accepted;
    };
    const std::vector<Case> cases{
        {"good", {6, 'x', 1 ^ 2 ^ 4, 1, 2, 4}, true},
        {"command check wrong, payload right", {6, 'y', 1 ^ 2 ^ 4, 1, 2, 4}, false},
        {"payload check wrong", {6, 'x', 0, 1, 2, 4}, false},
        {"length claims more than arrived", {7, 'x', 1 ^ 2 ^ 4, 1, 2, 4}, false},
        {"length claims less: only the claimed bytes are checked", {5, 'x', 1 ^ 2, 1, 2, 4}, true},
        {"length below the header", {0, 'x', 0, 9}, true},
        {"too short to hold a header", {3, 'x'}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidFramedReply(c.reply, command, 1), c.accepted) << c.what;
    EXPECT_FALSE(IsValidFramedReply(Bytes{3, 0, 0}, command, 5)) << "check longer than command";
}

TEST(Checks, DirectoryHeader) {
    const auto header = [](std::uint8_t high, std::uint8_t low, std::uint8_t check) {
        Bytes reply(command::kDirectoryHeaderReply, 0);
        reply[0] = static_cast<std::uint8_t>(reply.size());
        reply[1] = XorOf(AsBytes(command::kDirectoryHeader).first(command::kAreaCommandCheck));
        reply[3] = high;
        reply[4] = low;
        reply[5] = check;
        reply[2] = XorOf(ByteView(reply).subspan(3));
        return reply;
    };
    const auto announced = DecodeDirectoryHeader(header(1, 44, 0x5A), 1024);
    ASSERT_TRUE(announced);
    EXPECT_EQ(announced->bodyLength, 300u);
    EXPECT_EQ(announced->bodyCheck, 0x5A);
    EXPECT_TRUE(DecodeDirectoryHeader(header(4, 0, 0), 1024));
    EXPECT_FALSE(DecodeDirectoryHeader(header(4, 1, 0), 1024)) << "more than the buffer holds";
    auto damaged = header(1, 44, 0x5A);
    damaged[4] ^= 1;
    EXPECT_FALSE(DecodeDirectoryHeader(damaged, 1024));
    EXPECT_FALSE(DecodeDirectoryHeader(ByteView(header(1, 44, 0x5A)).first(5), 1024));
}

TEST(Checks, Blocks) {
    Bytes block{10, 20, 30};
    const auto check = BlockChecksum(block);
    block.push_back(static_cast<std::uint8_t>(check >> 8));
    block.push_back(static_cast<std::uint8_t>(check));
    EXPECT_TRUE(IsValidBlock(block));
    block[1] ^= 1;
    EXPECT_FALSE(IsValidBlock(block));
    EXPECT_FALSE(IsValidBlock(Bytes{0}));
}

} // namespace
} // namespace korlink
