// Reading a 100,000-fix IGC file and deriving speed and climb, side by side with gpsbabel
// reading the same file into GPX, in the same run. The file is generated here, the same every
// run: a 1-second trace that circles and climbs, with fix accuracy and engine noise columns.
#include "document/IgcFlight.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kFixes = 100000;
constexpr int kRuns = 5;

std::string AngleText(double degrees, int width, char positive, char negative) {
    const double magnitude = std::fabs(degrees);
    const int whole = static_cast<int>(magnitude);
    const int thousandths = static_cast<int>((magnitude - whole) * 60000.0);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%05d%c", width, whole, thousandths,
                  degrees < 0 ? negative : positive);
    return text;
}

void WriteFlight(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary);
    out << "AZRVQ0YA\r\nHFDTE150703\r\nHFFXA050\r\nHFPLTPilot: Anna Berg\r\n"
           "HFGTYGliderType: LS8\r\nHFCIDCompetitionID: AB\r\nHFTZOTimezone: 1\r\n"
           "I033638FXA3941ENL4247REX\r\n";
    for (int i = 0; i < kFixes; ++i) {
        const int seconds = 6 * 3600 + i;
        const double turn = i * 0.02;
        const double latitude = 51.2 + 0.01 * std::sin(turn) + i * 1e-6;
        const double longitude = -0.9 + 0.015 * std::cos(turn) + i * 2e-6;
        const int altitude = 600 + static_cast<int>(400 * std::sin(i * 0.001));
        char line[96];
        std::snprintf(line, sizeof line, "B%02d%02d%02d%s%sA%05d%05d%03d%03d000000\r\n",
                      seconds / 3600 % 24, seconds / 60 % 60, seconds % 60,
                      AngleText(latitude, 2, 'N', 'S').c_str(),
                      AngleText(longitude, 3, 'E', 'W').c_str(), altitude, altitude + 12, 15,
                      i % 1000 == 0 ? 400 : 20);
        out << line;
    }
    out << "G000000000000000000000000000000000000000000000\r\n";
}

double Seconds(std::chrono::steady_clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

// Best time of the reader over the runs; none when the file does not read as written.
std::optional<double> TimeReader(const std::filesystem::path& path) {
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        vantrel::IgcFlight flight(path);
        if (!flight.HeaderRead() || !flight.ReadFixes({1, 0}, true))
            return std::nullopt;
        flight.DeriveSpeedAndClimb();
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - start));
        if (flight.FixCount() != kFixes)
            return std::nullopt;
    }
    return best;
}

std::optional<std::string> GpsbabelPath() {
    const char* pathVariable = std::getenv("PATH");
    std::string directories = pathVariable ? pathVariable : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= directories.size();) {
        const auto end = std::min(directories.find(':', start), directories.size());
        const auto candidate =
            std::filesystem::path(directories.substr(start, end - start)) / "gpsbabel";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
        start = end + 1;
    }
    return std::nullopt;
}

// Best time of "gpsbabel -i igc -f F -o gpx -F /dev/null"; none when it fails.
std::optional<double> TimeGpsbabel(const std::string& gpsbabel, const std::filesystem::path& path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string arguments[]{gpsbabel, "-i",  "igc", "-f",       path.string(),
                            "-o",     "gpx", "-F",  "/dev/null"};
    char* argv[10]{};
    for (std::size_t i = 0; i < std::size(arguments); ++i)
        argv[i] = arguments[i].data();

    std::optional<double> best;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, gpsbabel.c_str(), &actions, nullptr, argv, environ) != 0 ||
            ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            best.reset();
            break;
        }
        const double elapsed = Seconds(std::chrono::steady_clock::now() - start);
        best = std::min(best.value_or(elapsed), elapsed);
    }
    posix_spawn_file_actions_destroy(&actions);
    return best;
}

} // namespace

int main() {
    char pattern[] = "/tmp/bench-igc-XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::fprintf(stderr, "igc_read: no temporary folder\n");
        return 1;
    }
    const std::filesystem::path folder = pattern;
    const auto path = folder / "FLIGHT.IGC";
    WriteFlight(path);

    const auto reader = TimeReader(path);
    const auto gpsbabel = GpsbabelPath();
    const auto babel = gpsbabel ? TimeGpsbabel(*gpsbabel, path) : std::nullopt;
    std::filesystem::remove_all(folder);

    if (!reader) {
        std::fprintf(stderr, "igc_read: the generated flight did not read back\n");
        return 1;
    }
    std::printf("igc_read_100k_fixes_with_speed_and_climb: %.1f ms (goal: none)\n", *reader * 1e3);
    if (!gpsbabel) {
        std::printf("gpsbabel_igc_to_gpx_100k_fixes: not measured, gpsbabel is not installed "
                    "(goal: none)\n");
        std::printf("igc_read_time_over_gpsbabel: not measured, gpsbabel is not installed "
                    "(goal: <= 0.25)\n");
        return 0;
    }
    if (!babel) {
        std::printf("gpsbabel_igc_to_gpx_100k_fixes: not measured, gpsbabel failed on the file "
                    "(goal: none)\n");
        std::printf("igc_read_time_over_gpsbabel: not measured, gpsbabel failed (goal: <= 0.25)\n");
        return 0;
    }
    std::printf("gpsbabel_igc_to_gpx_100k_fixes: %.1f ms (goal: none)\n", *babel * 1e3);
    std::printf("igc_read_time_over_gpsbabel: %.3f ratio (goal: <= 0.25)\n", *reader / *babel);
    return 0;
}
