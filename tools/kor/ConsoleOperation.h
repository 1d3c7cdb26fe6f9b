#pragma once

#include "link/Operation.h"

#include <string>

namespace kor {

// Progress on the terminal (stderr), cancelled by Ctrl-C.
class ConsoleOperation : public korlink::OperationEnvironment {
public:
    ConsoleOperation();
    ~ConsoleOperation() override;

    bool IsCancelled() const override;
    void Sleep(std::chrono::milliseconds duration) override;
    void SetText(std::string_view text) override;
    void SetProgressRange(unsigned range) override;
    void SetProgressPosition(unsigned position) override;
    // Ends the progress line, so that what is printed next starts on a line of its own.
    void EndLine();

private:
    void Draw();

    bool interactive_;
    bool lineOpen_ = false;
    unsigned range_ = 0;
    unsigned position_ = 0;
    int lastPercent_ = -1;
    std::string text_;
};

} // namespace kor
