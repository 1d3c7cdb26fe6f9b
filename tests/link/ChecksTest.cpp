#include "link/Checks.h"

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
