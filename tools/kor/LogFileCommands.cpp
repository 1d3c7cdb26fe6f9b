// kor convert, kor validate: stored logs to IGC files, and the security checks of both.
#include "Commands.h"
#include "OutputFolder.h"
#include "document/RecorderSeries.h"
#include "interface/StatusCodes.h"
#include "korlink/korlink.h"
#include "logfiles/IgcSecurityCheck.h"
#include "logfiles/IgcWriter.h"
#include "logfiles/LibCrypto.h"
#include "logfiles/LogNaming.h"
#include "logfiles/StoredLog.h"
#include "logfiles/StoredLogCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace kor {
namespace {

// Exit codes of the checking commands, as IGC validation programs use them, and one for files
// that were not checked: IGC files this recorder family did not sign, and converted ones.
enum Outcome { kAllPassed = 0, kSomeFailed = 1, kSomeUnreadable = 2, kSomeNotChecked = 3 };

// How much an outcome weighs over all files: a file that was not checked hides no failure.
int Weight(Outcome outcome) {
    switch (outcome) {
    case kAllPassed:
        return 0;
    case kSomeNotChecked:
        return 1;
    case kSomeFailed:
        return 2;
    case kSomeUnreadable:
        return 3;
    }
    return 3;
}

// The exit code over all files: the weightiest outcome of any.
template <typename Check> int Overall(const std::vector<std::string>& files, Check check) {
    Outcome overall = kAllPassed;
    for (const auto& file : files) {
        const Outcome outcome = check(file);
        if (Weight(outcome) > Weight(overall))
            overall = outcome;
    }
    return static_cast<int>(overall);
}

bool IsStoredLog(const std::filesystem::path& path) {
    auto extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".kor";
}

Outcome Unreadable(const std::string& path, std::uint32_t status) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), korlink::StatusMessage(status));
    return kSomeUnreadable;
}

Outcome ConvertOne(const std::string& path, const std::string& folder) {
    const auto target =
        folder.empty() ? std::filesystem::path(path).parent_path() : std::filesystem::path(folder);
    const auto converted = korlink::ConvertStoredLog(path, target);
    if (converted.status != KOR_OK)
        return Unreadable(path, converted.status);
    std::printf("%s  security: %s\n", korlink::InFolder(target, converted.name).c_str(),
                converted.checkPassed ? "OK" : "FAILED");
    return converted.checkPassed ? kAllPassed : kSomeFailed;
}

Outcome ValidateStoredLog(const std::string& path) {
    korlink::StoredLog log;
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return Unreadable(path, KOR_FILE_OPEN_FAILED);
    if (log.Load(path) != korlink::LogFileStatus::Ok)
        return Unreadable(path, KOR_FILE_READ_FAILED);
    const bool passed = korlink::PassesStoredLogCheck(log);
    std::printf("%s: %s\n", path.c_str(), passed ? "OK" : "FAILED");
    return passed ? kAllPassed : kSomeFailed;
}

Outcome NotChecked(const std::string& path, const char* why) {
    std::printf("%s: %s\n", path.c_str(), why);
    return kSomeNotChecked;
}

// Only the recorder family's own signed files are checked, as the explorer's Verify does: the
// check of another maker's file, or of the dummy record a conversion writes, would only ever
// fail, and a failure reads as tampering.
Outcome ValidateIgc(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return Unreadable(path, KOR_FILE_OPEN_FAILED);
    const auto header = vantrel::ReadHeaderOfFile(path);
    // A file the recorder family signed needs libcrypto for its signature: it is loaded on
    // another core while the file is hashed.
    std::optional<std::jthread> loading;
    if (header && vantrel::FromSigningSeries(*header))
        loading.emplace([] { korlink::LoadLibCrypto(); });
    const auto log = korlink::HashIgcFile(path);
    if (!log || !header)
        return Unreadable(path, KOR_FILE_READ_FAILED);
    if (korlink::IsConverterSecurityRecord(log->gLines))
        return NotChecked(path, "converted: check its .KOR");
    if (!vantrel::FromSigningSeries(*header))
        return NotChecked(path, "not signed by this recorder family, not checked");
    if (!korlink::LoadLibCrypto()) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), korlink::LibCryptoError().c_str());
        return kSomeUnreadable;
    }
    const auto result = korlink::EvaluateSecurityRecord(korlink::DecodeSecurityRecord(log->gLines),
                                                        *log, korlink::RecorderKeys());
    const bool passed = (result & korlink::igccheck::kSignatureValid) != 0;
    std::printf("%s: %s\n", path.c_str(), passed ? "OK" : "FAILED");
    std::string report = korlink::IgcCheckReport(result);
    for (std::size_t start = 0; start < report.size();) {
        const auto end = report.find('\n', start);
        std::printf("  %s\n", report.substr(start, end - start).c_str());
        start = end + 1;
    }
    return passed ? kAllPassed : kSomeFailed;
}

struct FileOptions {
    std::vector<std::string> files;
    std::string folder;
};

} // namespace

Command AddConvertCommand(CLI::App& app, const GlobalOptions&) {
    auto options = std::make_shared<FileOptions>();
    auto* command = app.add_subcommand(
        "convert", "convert stored logs (.kor) to IGC files; exit 0 all passed their check, 1 a "
                   "check failed, 2 a file could not be read or written");
    command->add_option("files", options->files, "stored logs")->required();
    command->add_option("-o,--output", options->folder,
                        "folder for the IGC files (default: beside each log)");
    return {command, [options] {
                if (!options->folder.empty()) {
                    if (const auto problem = PrepareOutputFolder(options->folder)) {
                        std::fprintf(stderr, "%s\n", problem->c_str());
                        return static_cast<int>(kSomeUnreadable);
                    }
                }
                return Overall(options->files, [&](const std::string& file) {
                    return ConvertOne(file, options->folder);
                });
            }};
}

Command AddValidateCommand(CLI::App& app, const GlobalOptions&) {
    auto options = std::make_shared<FileOptions>();
    auto* command = app.add_subcommand(
        "validate", "check stored logs (.kor) and signed IGC files; exit 0 all passed, 1 any "
                    "failed, 2 any could not be read, 3 an IGC file was not checked (not signed "
                    "by this recorder family, or converted) and none failed");
    command->add_option("files", options->files, "stored logs and IGC files")->required();
    return {command, [options] {
                return Overall(options->files, [](const std::string& file) {
                    return IsStoredLog(file) ? ValidateStoredLog(file) : ValidateIgc(file);
                });
            }};
}

} // namespace kor
