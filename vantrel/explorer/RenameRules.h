#pragma once

#include "ExplorerNode.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The path an item gets when its label is edited to `text`: a folder keeps the text as its
// name; a navpoint file gets ".dat" and an airspace file ".sua" (so an ".air" file becomes
// ".sua"). None when the text is empty or holds a "/" (or, for folders, names "." or ".."),
// and for every other kind, which is not renamed on disk.
std::optional<std::filesystem::path> RenamedPath(const ExplorerNode& node, std::string_view text);

// The names a new folder is tried under: "New Folder", then "New Folder (2)" to "(10)".
std::string NewFolderName(int attempt);
inline constexpr int kNewFolderAttempts = 10;

// Creates the first new folder name that can be made inside `parent`; none when all ten fail.
std::optional<std::filesystem::path> CreateNewFolder(const std::filesystem::path& parent);

} // namespace vantrel
