#include "FileReplace.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace navpoints {
namespace {

constexpr int kNameAttempts = 16;

// A hidden name beside the target that no folder listing by extension picks up.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& path) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += kDigits[random() % 16];
    return path.parent_path() / ("." + path.filename().string() + "." + suffix + ".part");
}

bool WriteAll(int descriptor, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates the temporary file exclusively; -1 when no free name could be had.
int CreateTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryNameFor(path);
        const int descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

} // namespace

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view contents) {
    std::filesystem::path temporary;
    const int descriptor = CreateTemporary(path, temporary);
    if (descriptor < 0)
        return false;
    struct stat existing {};
    bool good = WriteAll(descriptor, contents);
    if (good && ::stat(path.c_str(), &existing) == 0)
        good = ::fchmod(descriptor, existing.st_mode & 07777) == 0;
    good = good && ::fsync(descriptor) == 0;
    good = (::close(descriptor) == 0) && good;
    good = good && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!good)
        ::unlink(temporary.c_str());
    return good;
}

} // namespace navpoints
