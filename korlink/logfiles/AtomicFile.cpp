#include "AtomicFile.h"

#include "FileDescriptor.h"

#include <cerrno>
#include <random>
#include <stdio.h>
#include <string>

namespace korlink {
namespace {

bool WriteAll(int fd, ByteView bytes) {
    while (!bytes.empty()) {
        const auto written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// A new file beside `path` that no one else uses; created with the usual permissions (0666
// less the umask), unlike mkstemp's 0600.
std::pair<int, std::filesystem::path> CreateTemporary(const std::filesystem::path& path) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto temporary = path;
        temporary.replace_filename("." + path.filename().string() + ".tmp" +
                                   std::to_string(::getpid()) + "-" + std::to_string(random()));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return {fd, temporary};
    }
    return {-1, {}};
}

// Renames without replacing: link the new name, then drop the temporary one.
bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to,
                   bool replace) {
    if (replace)
        return ::rename(from.c_str(), to.c_str()) == 0;
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST)
        return false;
    // File systems without hard links (a FAT flash card): check, then rename.
    std::error_code error;
    return !std::filesystem::exists(to, error) && !error && ::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

bool WriteFileAtomically(const std::filesystem::path& path, ByteView contents, bool replace) {
    auto [fd, temporary] = CreateTemporary(path);
    if (fd < 0)
        return false;
    FileDescriptor file(fd);
    const bool written = WriteAll(file.Get(), contents) && ::fsync(file.Get()) == 0;
    if (file.Close() && written && MoveIntoPlace(temporary, path, replace))
        return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace korlink
