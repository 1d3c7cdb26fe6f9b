#include "RecorderProtocol.h"

#include "link/Checks.h"

#include <gtest/gtest.h>

namespace korsim {
namespace {

using Clock = RecorderProtocol::Clock;
using namespace std::chrono_literals;

// Feeds bytes to a recorder protocol the way the line delivers them.
struct Line {
    Line() : model(RecorderModel::Minimal()), protocol(model, Faults{}, 3ms) {}

    std::vector<Transmission> Send(std::string_view bytes, unsigned speed = 4800,
                                   std::chrono::milliseconds gap = 2ms) {
        std::vector<Transmission> out;
        for (const char c : bytes) {
            now += gap;
            protocol.Receive(static_cast<std::uint8_t>(c), speed, now, out);
        }
        return out;
    }

    RecorderModel model;
    RecorderProtocol protocol;
    Clock::time_point now{};
};

std::size_t Total(const std::vector<Transmission>& out) {
    std::size_t n = 0;
    for (const auto& t : out)
        n += t.bytes.size();
    return n;
}

TEST(RecorderProtocol, InterruptBurstIsAnsweredOnce) {
    Line line;
    EXPECT_EQ(Total(line.Send("\3\3\3\3\3")), 22u);
    EXPECT_EQ(line.protocol.Counters().interrupts, 1u);
    // Escapes far apart are separate interrupts.
    EXPECT_EQ(Total(line.Send("\3\3", 4800, 300ms)), 44u);
    EXPECT_EQ(line.protocol.Mode(), RecorderMode::Command);
}

TEST(RecorderProtocol, ListensOnlyAtItsLineSpeed) {
    Line line;
    EXPECT_TRUE(line.Send("\3", 57600).empty());
    EXPECT_EQ(line.protocol.Counters().interrupts, 0u);
    line.Send("\3upl 1\r");
    line.Send("b 1\r\n");
    EXPECT_EQ(line.protocol.Mode(), RecorderMode::Block);
    EXPECT_EQ(line.protocol.LineSpeed(), 57600u);
    // The size query at 57600 is answered with a framed 24-bit length.
    const auto size = line.Send("\3\3", 57600);
    ASSERT_EQ(size.size(), 1u);
    EXPECT_EQ(size[0].speed, 57600u);
    EXPECT_TRUE(korlink::IsValidFramedReply(size[0].bytes, korlink::Bytes{3, 3}, 2));
    EXPECT_EQ(size[0].bytes[4] * 256 + size[0].bytes[5], 3000);
    // An interrupt at 4800 bit/s breaks block mode off without an answer.
    EXPECT_TRUE(line.Send("\3", 4800).empty());
    EXPECT_EQ(line.protocol.Mode(), RecorderMode::Command);
}

TEST(RecorderProtocol, OverlongLinesAreDropped) {
    Line line;
    line.Send("\3upl 1\r");
    const std::string longLine(1000, 'x');
    EXPECT_TRUE(line.Send(longLine + "\r").empty());
    EXPECT_EQ(Total(line.Send("x\r")), 109u);
}

} // namespace
} // namespace korsim
