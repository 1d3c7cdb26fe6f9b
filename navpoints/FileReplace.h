#pragma once

#include <filesystem>
#include <string_view>

namespace navpoints {

// Writes `contents` to a new file in the same folder as `path` and renames it into place, so a
// failure never leaves a half-written file where a good one was. An existing file keeps its
// permissions. False (and nothing changed) on any failure.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view contents);

} // namespace navpoints
