// Automatic port detection: ports 1 to 8 probed in order against the simulated recorder.
#include "app/PortDetection.h"

#include "ProgramSandbox.h"
#include "Simulator.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using test::ProgramSandbox;

// Ports 1..8 lead nowhere except those given.
void PointPorts(const std::map<int, std::string>& devices) {
    for (int port = 1; port <= kHighestPort; ++port) {
        const auto found = devices.find(port);
        const std::string device = found == devices.end()
                                       ? "/dev/vantrel-test-no-port-" + std::to_string(port)
                                       : found->second;
        ::setenv(("KORLINK_COM" + std::to_string(port)).c_str(), device.c_str(), 1);
    }
}

TEST(PortDetection, StoresTheFirstPortThatAnswers) {
    ProgramSandbox sandbox;
    korsim::Simulator recorder(korsim::RecorderModel::Minimal());
    korsim::Simulator second(korsim::RecorderModel::Minimal());
    PointPorts({{3, recorder.DevicePath()}, {6, second.DevicePath()}});
    std::vector<int> probed;
    const ConnectCall recording = [&](const ConnectionDescriptor* probe) {
        probed.push_back(probe->port);
        EXPECT_EQ(probe->retries, 0);
        EXPECT_EQ(probe->quiet, 1);
        return KORConnect(probe);
    };
    ProgramSettings settings;
    EXPECT_TRUE(DetectRecorderPort(settings, recording));
    EXPECT_EQ(probed, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ProgramSandbox::Get(QStringLiteral("CommPort")).toInt(), 3);
    // With a port stored nothing is probed again.
    probed.clear();
    EXPECT_TRUE(DetectRecorderPort(settings, recording));
    EXPECT_TRUE(probed.empty());
}

TEST(PortDetection, NoRecorderLeavesThePortUnset) {
    ProgramSandbox sandbox;
    PointPorts({});
    ProgramSettings settings;
    EXPECT_FALSE(DetectRecorderPort(settings));
    EXPECT_FALSE(ProgramSandbox::Get(QStringLiteral("CommPort")).isValid());
    EXPECT_EQ(settings.Descriptor().port, 1) << "the caller carries on with port 1";
}

} // namespace
} // namespace vantrel
