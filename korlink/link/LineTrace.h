#pragma once

#include "Bytes.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace korlink {

// Appends a time-stamped hex dump of the serial traffic to a file, for diagnosing a recorder
// in the field. Enabled by the environment variable KORLINK_TRACE=<file>.
class LineTrace {
public:
    // The trace named by KORLINK_TRACE, or an inactive one.
    static LineTrace FromEnvironment();

    LineTrace() = default;
    explicit LineTrace(const std::string& path);

    bool IsActive() const { return file_ != nullptr; }

    void Event(std::string_view text);
    void Sent(unsigned speed, ByteView bytes);
    void Received(unsigned speed, ByteView bytes);

private:
    void Dump(std::string_view direction, unsigned speed, ByteView bytes);

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

} // namespace korlink
