#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kor {

// Makes a folder that a command writes into (with its parents) and checks that a file can be
// created in it, before any work is done. Nothing when it is ready; otherwise why not.
std::optional<std::string> PrepareOutputFolder(const std::filesystem::path& folder);

// Whether a file (a trace the command appends to) can be opened for appending; creates it when
// it does not exist. Nothing when it can; otherwise why not.
std::optional<std::string> CheckAppendableFile(const std::filesystem::path& path);

} // namespace kor
