#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace fuzz {

// One in-memory file whose contents each run replaces; readers open it by its /proc path.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("korlink-fuzz", 0)) {}
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool Hold(const std::uint8_t* data, std::size_t size) {
        return fd_ >= 0 && ::ftruncate(fd_, 0) == 0 &&
               (size == 0 || ::pwrite(fd_, data, size, 0) == static_cast<ssize_t>(size));
    }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

} // namespace fuzz
