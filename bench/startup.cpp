// How long kor takes to start and end, beside a plain C++ program and sha1sum of an empty
// file: whole processes, best of many runs.
#include "BenchSupport.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kRuns = 101;

void Report(const char* name, const std::optional<double>& seconds, const char* goal) {
    if (seconds)
        std::printf("startup_%s_ms: %.2f ms (goal: %s, best of %d)\n", name, *seconds * 1e3, goal,
                    kRuns);
    else
        std::printf("startup_%s_ms: does not run (goal: %s)\n", name, goal);
}

} // namespace

int main() {
    const auto folder = bench::ProgramFolder();
    const auto kor = bench::BestProgramSeconds(kRuns, {folder + "/kor", "--help"});
    const auto plain = bench::BestProgramSeconds(kRuns, {folder + "/startup_plain_program"});
    const auto sha1sum = bench::BestProgramSeconds(kRuns, {"sha1sum", "/dev/null"});
    Report("kor_help", kor, "none, kor --help");
    Report("plain_cpp", plain, "none, a C++ program that does nothing");
    Report("sha1sum_empty", sha1sum, "none, sha1sum of an empty file");
    if (kor && plain)
        std::printf("startup_kor_over_plain_cpp: %.2f ratio (goal: none, the start-up kor adds "
                    "over a plain C++ program)\n",
                    *kor / *plain);
    return 0;
}
