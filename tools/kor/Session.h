#pragma once

#include "Commands.h"
#include "ConsoleOperation.h"
#include "link/RecorderLink.h"

#include <cstdint>

namespace kor {

// One command's connection to the recorder: connects quietly on construction and reports a
// failure on stderr, the way every recorder command starts.
class Session {
public:
    explicit Session(const GlobalOptions& options);

    bool IsConnected() const { return status_ == 0; }
    // The status code of connecting, which is the command's exit code when it failed.
    int Status() const { return static_cast<int>(status_); }
    korlink::CRecorderLink& Link() { return link_; }
    ConsoleOperation& Operation() { return operation_; }

private:
    korlink::CRecorderLink link_;
    ConsoleOperation operation_;
    korlink::CRecorderLink::OperationScope scope_;
    std::uint32_t status_;
};

// Prints a status code's message on stderr (nothing for codes without one).
void ReportStatus(std::uint32_t status);

} // namespace kor
