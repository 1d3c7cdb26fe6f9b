// The link facing a line that answers everything with noise: every operation must end, refuse
// what it cannot verify, and never write past its buffers.
#include "SimulatedRecorder.h"

#include <atomic>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <random>
#include <thread>
#include <unistd.h>

namespace korlink {
namespace {

// Answers each command with 0 to 1500 random bytes, except that it stays quiet after an area
// selection, so that the block transfer is reached too.
class NoisyPeer {
public:
    explicit NoisyPeer(unsigned seed) : random_(seed) {
        char name[256] = {};
        int slave = -1;
        openpty(&master_, &slave, name, nullptr, nullptr);
        ::close(slave);
        path_ = name;
        thread_ = std::thread([this] { Run(); });
    }
    ~NoisyPeer() {
        stop_ = true;
        thread_.join();
        ::close(master_);
    }
    const std::string& Path() const { return path_; }

private:
    void Run() {
        std::uint8_t buffer[256];
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) {
                std::this_thread::sleep_for(std::chrono::milliseconds{2});
                continue;
            }
            const auto n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0)
                continue;
            const std::string command(reinterpret_cast<char*>(buffer), static_cast<size_t>(n));
            if (command.rfind("b ", 0) == 0 && command.size() > 2 && command[2] != '1')
                continue;
            Bytes noise(std::uniform_int_distribution<std::size_t>(0, 1500)(random_));
            for (auto& b : noise)
                b = static_cast<std::uint8_t>(random_());
            [[maybe_unused]] const auto written = ::write(master_, noise.data(), noise.size());
        }
    }

    int master_ = -1;
    std::string path_;
    std::mt19937 random_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(NoisyLine, EveryOperationEndsAndRefusesNoise) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        NoisyPeer peer(seed);
        ::setenv("KORLINK_COM1", peer.Path().c_str(), 1);
        CRecorderLink link;
        test::RecordingOperation operation;
        CRecorderLink::OperationScope scope(link, operation);
        link.OpenPort(1);
        link.EnterUploadMode();
        EXPECT_FALSE(link.ReadRecord('x')) << seed;
        EXPECT_FALSE(link.ReadSecurityRecord()) << seed;
        EXPECT_FALSE(link.ReadDirectory()) << seed;
        const auto area = link.DownloadArea(5);
        EXPECT_NE(area.status, AreaStatus::Complete) << seed;
        EXPECT_EQ(area.data.size(), area.length) << seed;
        // Only a failed size query leaves the port at the block speed.
        EXPECT_TRUE(link.Port().Speed() == 4800u || area.status == AreaStatus::NoSize) << seed;
        link.EnterDownloadMode();
        EXPECT_FALSE(link.SendLine("W0001\r")) << seed;
    }
}

} // namespace
} // namespace korlink
