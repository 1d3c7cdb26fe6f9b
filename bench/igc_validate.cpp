// Checking a signed IGC file of 100000 fixes, beside sha1sum of the same file.
#include "BenchSupport.h"
#include "RecorderFlights.h"
#include "Signing.h"
#include "logfiles/IgcSecurityCheck.h"
#include "logfiles/IgcWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::size_t kFixes = 100000;
constexpr std::size_t kFixesPerLog = 8000;

// The IGC text of a long flight: the header of its first part, then the fixes of every part.
std::string LongFlight() {
    korsim::RecorderModel model;
    model.records['x'] = korsim::SampleConfiguration();
    model.records['w'] = korsim::SampleStatus();
    const auto site = korsim::GenerateSite(21);
    korsim::FlightOptions options;
    options.fixes = kFixes;
    options.interval = 1;
    const auto flight = korsim::GenerateFlight(options, site);
    std::string text;
    for (std::size_t first = 0; first < kFixes; first += kFixesPerLog) {
        auto part = flight;
        part.fixes.assign(flight.fixes.begin() + static_cast<std::ptrdiff_t>(first),
                          flight.fixes.begin() +
                              static_cast<std::ptrdiff_t>(std::min(kFixes, first + kFixesPerLog)));
        korsim::StoreFlights(model, site, std::vector{part});
        const auto igc = korlink::IgcText(*korsim::DownloadedLog(model, 1), "bench");
        const auto fixesAt = igc.find("\r\nB") + 2;
        const auto end = igc.find("\r\nG") + 2;
        if (first == 0)
            text = igc.substr(0, fixesAt);
        text += igc.substr(fixesAt, end - fixesAt);
    }
    return *korsim::SignIgcText(text, {});
}

} // namespace

int main() {
    const auto path = std::filesystem::temp_directory_path() / "korlink-bench-100k.igc";
    {
        const auto text = LongFlight();
        std::ofstream(path, std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    const auto size = std::filesystem::file_size(path);
    std::uint32_t result = 0;
    const double ours =
        bench::BestSeconds(21, [&] { result = korlink::CheckIgcFile(path).value_or(0); });
    if (!(result & korlink::igccheck::kSignatureValid)) {
        std::fprintf(stderr, "igc_validate: the signed file did not pass its check\n");
        return 1;
    }
    const auto ourProcess =
        bench::BestProgramSeconds(11, {bench::ProgramFolder() + "/kor", "validate", path.string()});
    const auto sha1sum = bench::BestProgramSeconds(11, {"sha1sum", path.string()});

    std::printf("validate_igc_100k_fixes_bytes: %zu bytes (goal: none)\n",
                static_cast<std::size_t>(size));
    std::printf("validate_igc_100k_seconds: %.4f s (goal: none, best of 21, in-process check)\n",
                ours);
    std::printf("validate_igc_100k_rate: %.1f MB/s (goal: none)\n",
                static_cast<double>(size) / ours / 1e6);
    if (ourProcess)
        std::printf("validate_igc_100k_kor_process_seconds: %.4f s (goal: none, kor validate)\n",
                    *ourProcess);
    if (sha1sum) {
        std::printf("validate_igc_100k_sha1sum_seconds: %.4f s (goal: none)\n", *sha1sum);
        std::printf("validate_igc_100k_over_sha1sum: %.3f ratio (goal: <= 2, the library's check "
                    "against the sha1sum program)\n",
                    ours / *sha1sum);
        if (ourProcess)
            std::printf("validate_igc_100k_kor_process_over_sha1sum: %.3f ratio (goal: <= 1.5, "
                        "the kor program, with its start-up)\n",
                        *ourProcess / *sha1sum);
    }
    std::filesystem::remove(path);
    return 0;
}
