// Converting a stored log of the largest size (250000 bytes) to IGC, beside a peer that reads
// and writes the same fixes: gpsbabel copying the IGC file we wrote.
#include "BenchSupport.h"
#include "RecorderFlights.h"
#include "RecorderFormat.h"
#include "logfiles/IgcWriter.h"

#include <cstdio>
#include <filesystem>

namespace {

// A flight whose stored log fills the image to within one fix record.
std::optional<korlink::StoredLog> LargestLog() {
    korsim::RecorderModel model;
    model.records['x'] = korsim::SampleConfiguration();
    model.records['w'] = korsim::SampleStatus();
    const auto site = korsim::GenerateSite(11);
    auto flights = korsim::GenerateFlights(site, 11, 1, 12000);
    korsim::StoreFlights(model, site, flights);
    const auto& siteArea = model.areas.at(130);
    std::size_t budget = korlink::StoredLog::kImageSize - 164 - 201 - siteArea.size();
    std::size_t fixes = 0;
    for (const auto& fix : flights[0].fixes) {
        const auto size = korsim::EncodeFixRecord(fix).size();
        if (size > budget)
            break;
        budget -= size;
        ++fixes;
    }
    flights[0].fixes.resize(fixes);
    korsim::StoreFlights(model, site, flights);
    return korsim::DownloadedLog(model, 1);
}

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "korlink-bench-convert";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto log = LargestLog();
    if (!log) {
        std::fprintf(stderr, "logfile_convert: cannot make the stored log\n");
        return 1;
    }
    const auto saved = log->Save(folder);
    const auto path = folder / saved.name;
    const auto size = std::filesystem::file_size(path);

    std::size_t igcBytes = 0;
    const auto convertOnce = [&] {
        const auto converted = korlink::ConvertStoredLog(path, folder);
        igcBytes = std::filesystem::file_size(folder / converted.name);
        std::filesystem::remove(folder / converted.name);
    };
    const double ours = bench::BestSeconds(21, convertOnce);
    const auto kor = bench::ProgramFolder() + "/kor";
    const auto igc = folder / korlink::ConvertStoredLog(path, folder).name;
    const auto ourProcess =
        bench::BestProgramSeconds(11, {kor, "convert", path.string(), "-o", folder.string()});
    const auto peer =
        bench::BestProgramSeconds(11, {"gpsbabel", "-i", "igc", "-f", igc.string(), "-o", "igc",
                                       "-F", (folder / "copy.igc").string()});

    std::printf("convert_250k_log_bytes: %zu bytes (goal: 250000, within one fix record)\n",
                static_cast<std::size_t>(size));
    std::printf("convert_250k_seconds: %.4f s (goal: none, best of 21, in-process conversion)\n",
                ours);
    std::printf("convert_250k_igc_output: %.1f MB/s (goal: none, %zu bytes of IGC)\n",
                static_cast<double>(igcBytes) / ours / 1e6, igcBytes);
    if (ourProcess)
        std::printf("convert_250k_kor_process_seconds: %.4f s (goal: none, kor convert)\n",
                    *ourProcess);
    if (peer) {
        std::printf("convert_250k_gpsbabel_seconds: %.4f s (goal: none, gpsbabel igc to igc)\n",
                    *peer);
        std::printf("convert_250k_over_gpsbabel: %.3f ratio (goal: <= 0.5, the library's "
                    "conversion against the gpsbabel program)\n",
                    ours / *peer);
        if (ourProcess)
            std::printf("convert_250k_kor_process_over_gpsbabel: %.3f ratio (goal: <= 0.25, the "
                        "kor program against the gpsbabel program)\n",
                        *ourProcess / *peer);
    } else {
        std::printf("convert_250k_gpsbabel_seconds: not installed (goal: needs gpsbabel)\n");
    }
    std::filesystem::remove_all(folder);
    return 0;
}
