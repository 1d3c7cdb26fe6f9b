#pragma once

#include <string>

namespace korlink {

class CRecorderLink;

enum class ConnectResult { Connected, PortFailed, Cancelled, NoRecorder };

// What a connection asks for when the first probe found no recorder and the caller wants to be
// asked: the library's connecting dialog, or a test that plays the user.
class ConnectPrompt {
public:
    virtual ~ConnectPrompt() = default;

    // Probes through `link` until the recorder answers (Connected), the attempts run out and
    // the user gives up (NoRecorder), or the user cancels (Cancelled).
    virtual ConnectResult Run(CRecorderLink& link, const std::string& portName,
                              unsigned retries) = 0;
};

} // namespace korlink
