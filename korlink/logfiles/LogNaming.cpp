#include "LogNaming.h"

#include "AtomicFile.h"
#include "StoredLog.h"
#include "StoredLogCheck.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace korlink {
namespace {

constexpr std::string_view kNameCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The names in a folder, in lower case; a folder that cannot be read holds none.
std::set<std::string> LowerCaseNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    const auto where = folder.empty() ? std::filesystem::path(".") : folder;
    for (std::filesystem::directory_iterator it(where, error), end; !error && it != end;
         it.increment(error))
        names.insert(Lower(it->path().filename().string()));
    return names;
}

// The name in the folder that equals `lowerName` without regard to case.
std::optional<std::string> ActualName(const std::filesystem::path& folder,
                                      std::string_view lowerName) {
    std::error_code error;
    const auto where = folder.empty() ? std::filesystem::path(".") : folder;
    for (std::filesystem::directory_iterator it(where, error), end; !error && it != end;
         it.increment(error)) {
        auto name = it->path().filename().string();
        if (Lower(name) == lowerName)
            return name;
    }
    return std::nullopt;
}

std::string DayBase(const LogTime& firstFix, std::string_view recorderId) {
    std::string base;
    base += static_cast<char>('0' + firstFix[0] % 10);
    base += NameCharacter(firstFix[1]);
    base += NameCharacter(firstFix[2]);
    base += recorderId;
    return base;
}

} // namespace

std::string RecorderId(std::uint16_t serialNumber) {
    std::string id = "Q000";
    unsigned value = serialNumber;
    for (std::size_t i = id.size(); i-- > 0 && value > 0; value /= 36)
        id[i] = kNameCharacters[value % 36];
    return id;
}

char NameCharacter(unsigned value) {
    return value < kNameCharacters.size() ? kNameCharacters[value] : '_';
}

std::string LogFileName(const LogTime& firstFix, std::string_view recorderId, unsigned flight,
                        LogFileKind kind) {
    return DayBase(firstFix, recorderId) + NameCharacter(flight) +
           (kind == LogFileKind::StoredLog ? ".KOR" : ".IGC");
}

ChosenName ChooseLogFileName(const std::filesystem::path& folder, const LogTime& firstFix,
                             std::string_view recorderId, LogFileKind kind) {
    const auto existing = LowerCaseNames(folder);
    for (unsigned flight = 1; flight <= kMaxFlightCharacter; ++flight) {
        auto name = LogFileName(firstFix, recorderId, flight, kind);
        if (existing.count(Lower(name)) == 0)
            return {std::move(name), false};
    }
    return {LogFileName(firstFix, recorderId, kMaxFlightCharacter, kind), true};
}

std::optional<std::string> WriteUnderLogFileName(const std::filesystem::path& folder,
                                                 const LogTime& firstFix,
                                                 std::string_view recorderId, LogFileKind kind,
                                                 ByteView contents) {
    // Another program may take the chosen name before the file is in place; choose again then.
    constexpr int kAttempts = 3;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const auto chosen = ChooseLogFileName(folder, firstFix, recorderId, kind);
        const auto path = InFolder(folder, chosen.name);
        if (WriteFileAtomically(path, contents, chosen.replaces))
            return chosen.name;
        std::error_code error;
        if (chosen.replaces || !std::filesystem::exists(path, error))
            return std::nullopt;
    }
    return std::nullopt;
}

std::filesystem::path InFolder(const std::filesystem::path& folder, std::string_view name) {
    return folder.empty() ? std::filesystem::path(name) : folder / name;
}

std::optional<std::string> FindStoredLogByStartTime(const std::filesystem::path& folder,
                                                    const LogTime& firstFix,
                                                    std::string_view recorderId) {
    const auto base = Lower(DayBase(firstFix, recorderId));
    const auto names = LowerCaseNames(folder);
    const auto count = std::count_if(names.begin(), names.end(), [&](const std::string& name) {
        return name.size() >= base.size() + 4 && name.starts_with(base) && name.ends_with(".kor");
    });
    StoredLog log;
    for (auto n = static_cast<unsigned>(count); n >= 1; --n) {
        const auto wanted = Lower(base + NameCharacter(n) + ".kor");
        const auto name = names.count(wanted) ? ActualName(folder, wanted) : std::nullopt;
        if (!name || log.Load(InFolder(folder, *name)) != LogFileStatus::Ok)
            return std::nullopt;
        // A copy that fails its check (a download whose blocks failed, a damaged file) is not
        // the flight: the recorder's own copy may still be needed.
        if (log.FirstFix().time == firstFix && PassesStoredLogCheck(log))
            return name;
    }
    return std::nullopt;
}

} // namespace korlink
