#pragma once

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <utility>

namespace korlink {

// An owned POSIX file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    static FileDescriptor OpenForReading(const std::filesystem::path& path) {
        return FileDescriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now, reporting whether the close succeeded (a write may fail only here).
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

} // namespace korlink
