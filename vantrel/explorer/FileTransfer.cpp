#include "FileTransfer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <random>
#include <system_error>
#include <unistd.h>

namespace vantrel {
namespace {

// Gives `from` the name `to` unless `to` exists: renameat2 with RENAME_NOREPLACE where the file
// system has it, else a hard link and the removal of the old name. Both refuse an existing
// target; only file systems with neither (some removable media) fall back to a check.
bool LinkWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST || errno == EXDEV)
        return false;
    std::error_code error;
    if (std::filesystem::exists(to, error) || error)
        return false;
    std::filesystem::rename(from, to, error);
    return !error;
}

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target) {
    std::random_device random;
    return target.parent_path() /
           ("." + target.filename().string() + ".part-" + std::to_string(random()));
}

TransferResult Copy(const std::filesystem::path& file, const std::filesystem::path& target) {
    const auto temporary = TemporaryNameBeside(target);
    std::error_code error;
    std::filesystem::copy_file(file, temporary, std::filesystem::copy_options::none, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return {TransferStatus::Failed, target};
    }
    if (!LinkWithoutReplacing(temporary, target)) {
        const bool exists = std::filesystem::exists(target, error);
        std::filesystem::remove(temporary, error);
        return {exists ? TransferStatus::TargetExists : TransferStatus::Failed, target};
    }
    return {TransferStatus::Done, target};
}

// Checks common to copy and move: the source is a regular file and the target is free.
std::optional<TransferResult> Refusal(const std::filesystem::path& file,
                                      const std::filesystem::path& target) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return TransferResult{TransferStatus::SourceMissing, target};
    if (std::filesystem::exists(target, error))
        return TransferResult{TransferStatus::TargetExists, target};
    return std::nullopt;
}

} // namespace

TransferResult CopyInto(const std::filesystem::path& file, const std::filesystem::path& folder) {
    const auto target = folder / file.filename();
    if (auto refused = Refusal(file, target))
        return *refused;
    return Copy(file, target);
}

TransferResult MoveInto(const std::filesystem::path& file, const std::filesystem::path& folder) {
    const auto target = folder / file.filename();
    if (auto refused = Refusal(file, target))
        return *refused;
    if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return {TransferStatus::Done, target};
    if (errno == EEXIST)
        return {TransferStatus::TargetExists, target};
    const TransferResult copied = Copy(file, target);
    if (copied.status != TransferStatus::Done)
        return copied;
    std::error_code error;
    std::filesystem::remove(file, error);
    return copied;
}

bool RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    if (!std::filesystem::exists(from, error) || std::filesystem::exists(to, error))
        return false;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    // Folders cannot be hard-linked; a file system without renameat2 gets a checked rename.
    if (std::filesystem::exists(to, error))
        return false;
    std::filesystem::rename(from, to, error);
    return !error;
}

} // namespace vantrel
