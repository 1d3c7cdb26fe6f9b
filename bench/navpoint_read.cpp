// Reading 250 navpoints and the site name from the simulated recorder at true line timing: the
// count record, then the site and navpoint area in blocks at 57600 bit/s.
#include "LineTimedRecorder.h"
#include "navpoints/RecorderMemory.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main() {
    constexpr std::size_t kNavpoints = 250;
    auto model = korsim::RecorderModel::Minimal();
    korsim::NavpointMemory memory;
    memory.site.name = "Velmora Ridge Gliding Club";
    for (std::size_t i = 0; i < kNavpoints; ++i)
        memory.site.navpoints.push_back({46.0 + static_cast<double>(i) / 200, 8.0, 500,
                                         static_cast<std::uint16_t>(i + 1), 1, "TURNPOINT",
                                         "REMARK"});
    model.StoreNavpoints(memory);
    LineTimedRecorder recorder(model);
    if (!recorder.Open("navpoint_read"))
        return 1;
    auto& simulator = recorder.simulator;
    auto& link = recorder.link;
    korlink::RecorderMemory read;
    const auto before = simulator.Counters();
    const auto start = std::chrono::steady_clock::now();
    const bool complete = read.ReadNavpoints(link);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const auto after = simulator.Counters();
    if (!complete || read.Navpoints().navpoints.size() != kNavpoints) {
        std::fprintf(stderr, "navpoint_read: the navpoints did not arrive\n");
        return 1;
    }
    std::printf("navpoint_read_250_seconds: %.3f s (goal: none, ideal line time %.3f s)\n",
                elapsed.count(), after.lineSeconds - before.lineSeconds);
    return 0;
}
