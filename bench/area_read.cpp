// Reading a 64 KiB memory area from the simulated recorder at true line timing: the measured
// time over the ideal line time of every byte exchanged in both directions.
#include "LineTimedRecorder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main() {
    constexpr std::size_t kAreaLength = 64 * 1024;
    auto model = korsim::RecorderModel::Minimal();
    model.areas[1] = korsim::PatternBytes(kAreaLength, 64);
    LineTimedRecorder recorder(model);
    if (!recorder.Open("area_read"))
        return 1;
    auto& simulator = recorder.simulator;
    auto& link = recorder.link;
    const auto before = simulator.Counters();
    const auto start = std::chrono::steady_clock::now();
    const auto area = link.DownloadArea(1);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const auto after = simulator.Counters();
    if (area.status != korlink::AreaStatus::Complete || area.data != model.areas[1]) {
        std::fprintf(stderr, "area_read: the area did not arrive intact\n");
        return 1;
    }
    const double ideal = after.lineSeconds - before.lineSeconds;
    std::printf("area_read_64k_seconds: %.3f s (goal: none, ideal line time %.3f s)\n",
                elapsed.count(), ideal);
    std::printf("area_read_64k_time_over_line_time: %.3f ratio (goal: <= 1.05)\n",
                elapsed.count() / ideal);
    return 0;
}
