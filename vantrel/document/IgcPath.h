#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace vantrel {

// Converts a stored log into an IGC file in a folder, with the arguments and status codes of
// the library's KORConvertFile: the log's path, the output folder, a 512-character buffer that
// receives the new file's name, and whether the log's check value matched. 0 when converted.
using StoredLogConverter = std::function<std::uint32_t(const char* path, const char* outFolder,
                                                       char outName[512], std::uint32_t* checkOk)>;

// The IGC file a flight is read from, and whether it was written for the purpose.
struct IgcPath {
    std::filesystem::path path;
    bool written = false;
};

// Whether a path names a stored log (its extension is ".kor" in any letter case).
bool IsStoredLogPath(const std::filesystem::path& path);

// The IGC file of a path: a stored log's is the ".igc" file of the same name beside it (letter
// case aside), else a conversion into the log's folder; any other path is its own. None when a
// needed conversion fails or no converter is given.
std::optional<IgcPath> IgcPathOf(const std::filesystem::path& path,
                                 const StoredLogConverter& converter);

} // namespace vantrel
