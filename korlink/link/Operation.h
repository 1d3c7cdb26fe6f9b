#pragma once

#include <chrono>
#include <string_view>

namespace korlink {

// The context every long recorder operation runs in: it receives progress and status text,
// tells whether the user asked to stop, and performs the pauses the protocol needs (a dialog
// keeps its window alive while it waits, a terminal watches for Ctrl-C, a test may count).
class OperationEnvironment {
public:
    virtual ~OperationEnvironment() = default;

    virtual bool IsCancelled() const = 0;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual void SetProgressRange(unsigned range) = 0;
    virtual void SetProgressPosition(unsigned position) = 0;
};

// No display, never cancelled, real pauses.
class QuietOperation : public OperationEnvironment {
public:
    bool IsCancelled() const override { return false; }
    void Sleep(std::chrono::milliseconds duration) override;
    void SetText(std::string_view) override {}
    void SetProgressRange(unsigned) override {}
    void SetProgressPosition(unsigned) override {}
};

} // namespace korlink
