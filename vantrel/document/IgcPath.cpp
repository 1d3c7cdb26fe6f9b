#include "IgcPath.h"

#include "TextLines.h"

#include <array>
#include <cstring>
#include <string>

namespace vantrel {
namespace {

constexpr std::size_t kOutNameLength = 512;

// The regular file in `folder` named `name` without regard to letter case; the first in name
// order when several are.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      const std::string& name) {
    std::error_code error;
    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto candidate = entry->path().filename().string();
        if (EqualIgnoringCase(candidate, name) && entry->is_regular_file(error) &&
            (!found || candidate < found->filename().string()))
            found = entry->path();
    }
    return found;
}

} // namespace

bool IsStoredLogPath(const std::filesystem::path& path) {
    return EqualIgnoringCase(path.extension().string(), ".kor");
}

std::optional<IgcPath> IgcPathOf(const std::filesystem::path& path,
                                 const StoredLogConverter& converter) {
    if (!IsStoredLogPath(path))
        return IgcPath{path, false};
    const auto folder = path.parent_path();
    const auto beside = path.stem().string() + ".igc";
    if (auto existing = FindIgnoringCase(folder.empty() ? "." : folder, beside))
        return IgcPath{folder.empty() ? existing->filename() : *existing, false};
    if (!converter)
        return std::nullopt;

    std::array<char, kOutNameLength> outName{};
    std::uint32_t checkOk = 0;
    const auto status = converter(path.c_str(), folder.c_str(), outName.data(), &checkOk);
    outName.back() = '\0';
    if (status != 0 || outName[0] == '\0')
        return std::nullopt;
    return IgcPath{folder / outName.data(), true};
}

} // namespace vantrel
