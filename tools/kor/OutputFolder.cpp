#include "OutputFolder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kor {
namespace {

std::string Reason(const std::filesystem::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}

// An unnamed file in the folder, which leaves nothing behind; a named one, removed at once, on
// file systems without unnamed files.
int ProbeFile(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    std::string name = (folder / ".kor-write-test-XXXXXX").string();
    const int named = ::mkstemp(name.data());
    if (named >= 0)
        ::unlink(name.c_str());
    return named;
}

} // namespace

std::optional<std::string> PrepareOutputFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return folder.string() + ": " + error.message();
    const int fd = ProbeFile(folder);
    if (fd < 0)
        return Reason(folder, errno);
    ::close(fd);
    return std::nullopt;
}

std::optional<std::string> CheckAppendableFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return Reason(path, errno);
    ::close(fd);
    return std::nullopt;
}

} // namespace kor
