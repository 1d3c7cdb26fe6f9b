#pragma once

#include <filesystem>
#include <string>

namespace vantrel {

// The outcome of putting one file into a folder.
enum class TransferStatus { Done, SourceMissing, TargetExists, Failed };

struct TransferResult {
    TransferStatus status = TransferStatus::Failed;
    std::filesystem::path target; // the file in the folder
};

// Copies a file into a folder under its own name. The copy is written under a temporary name
// and then given its name only if no file of that name exists, so nothing is ever replaced and
// no half-written file is left behind.
TransferResult CopyInto(const std::filesystem::path& file, const std::filesystem::path& folder);

// Moves a file into a folder under its own name, never replacing a file there: a rename on
// the same file system, else a copy as above and then the removal of the original.
TransferResult MoveInto(const std::filesystem::path& file, const std::filesystem::path& folder);

// Renames a file or folder within its folder, never replacing an existing one.
bool RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace vantrel
