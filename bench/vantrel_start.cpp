// vantrel --screenshot from process start to the saved picture (and the program's exit), with
// an empty primary workspace and with one of 500 flight logs (400 stored logs, 100 IGC files)
// that the start-up expands.
#include "BenchSupport.h"
#include "RecorderFlights.h"
#include "logfiles/ConvertFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr const char* kDateCharacters = "0123456789abcdefghijklmnopqrstuv";

// A real stored log and its IGC file, made the way a download and a conversion make them.
bool MakeSampleLogs(const fs::path& folder, fs::path& storedLog, fs::path& igcFile) {
    korsim::RecorderModel model;
    model.records['x'] = korsim::SampleConfiguration();
    model.records['w'] = korsim::SampleStatus();
    const auto site = korsim::GenerateSite(3);
    korsim::StoreFlights(model, site, korsim::GenerateFlights(site, 3, 1, 2400));
    const auto log = korsim::DownloadedLog(model, 1);
    if (!log)
        return false;
    storedLog = folder / log->Save(folder).name;
    char igcName[512] = {};
    std::uint32_t checkOk = 0;
    if (korlink::ConvertStoredLogFile(storedLog.c_str(), folder.c_str(), igcName, &checkOk) != 0)
        return false;
    igcFile = folder / igcName;
    return true;
}

// The short file name of the n-th log: year digit, month and day characters, recorder id.
std::string LogName(int n, const char* extension) {
    const int year = n % 10;
    const int month = 1 + (n / 10) % 12;
    const int day = 1 + (n / 120) % 28;
    return std::string{kDateCharacters[year], kDateCharacters[month], kDateCharacters[day]} +
           "Q0YA1" + extension;
}

void WriteSettings(const fs::path& config, const fs::path& workspace) {
    fs::create_directories(config / "Velmora Avionics");
    std::ofstream(config / "Velmora Avionics" / "Velmora Skyline Explorer.conf")
        << "[Settings]\nPrimaryWorkspace=" << workspace.string() << "\nFlashCardCheckOnStartup=0\n";
}

std::optional<double> StartSeconds(const fs::path& root, const fs::path& workspace) {
    WriteSettings(root / "config", workspace);
    ::setenv("HOME", root.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string picture = (root / "start.png").string();
    const auto seconds = bench::BestProgramSeconds(
        7, {bench::ProgramFolder() + "/vantrel", "--screenshot", picture});
    if (seconds && !fs::exists(picture))
        return std::nullopt;
    return seconds;
}

} // namespace

int main() {
    const fs::path root = fs::temp_directory_path() / "vantrel-bench-start";
    fs::remove_all(root);
    const fs::path empty = root / "empty";
    const fs::path flights = root / "flights";
    const fs::path samples = root / "samples";
    for (const auto& folder : {empty, flights, samples})
        fs::create_directories(folder);
    fs::path storedLog, igcFile;
    if (!MakeSampleLogs(samples, storedLog, igcFile)) {
        std::fprintf(stderr, "vantrel_start: cannot make the sample logs\n");
        return 1;
    }
    for (int n = 0; n < 500; ++n)
        fs::copy_file(n < 400 ? storedLog : igcFile,
                      flights / LogName(n, n < 400 ? ".KOR" : ".igc"));
    const auto emptySeconds = StartSeconds(root, empty);
    const auto fullSeconds = StartSeconds(root, flights);
    fs::remove_all(root);
    if (!emptySeconds || !fullSeconds) {
        std::fprintf(stderr, "vantrel_start: vantrel --screenshot did not run\n");
        return 1;
    }
    std::printf("vantrel_start_empty_seconds: %.3f s (goal: < 0.5, best of 7, start to saved "
                "picture and exit)\n",
                *emptySeconds);
    std::printf("vantrel_start_500_logs_seconds: %.3f s (goal: < 1, best of 7, 500 logs "
                "expanded)\n",
                *fullSeconds);
    return 0;
}
