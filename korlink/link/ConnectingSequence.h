#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace korlink {

// The connecting dialog without its window: the texts it shows, the buttons it enables and the
// one-second probes it makes. The dialog calls Tick from its timer and Retry from its button.
class ConnectingSequence {
public:
    using Translate = std::function<std::string(std::string_view)>;
    using Probe = std::function<bool()>;

    ConnectingSequence(std::string portName, unsigned retries, Translate translate);

    std::string Caption() const;
    const std::string& FirstLine() const { return firstLine_; }
    const std::string& SecondLine() const { return secondLine_; }
    bool IsTimerRunning() const { return timerRunning_; }
    bool IsRetryEnabled() const { return retryEnabled_; }
    bool IsHelpEnabled() const { return helpEnabled_; }
    bool IsConnected() const { return connected_; }

    // One timer tick: adds a dot, or after the last attempt shows the failure and stops the
    // timer; then probes once. Returns true when the recorder answered.
    bool Tick(const Probe& probe);
    // Starts the attempts again from an empty count.
    void Retry();

private:
    std::string portName_;
    unsigned retries_;
    Translate translate_;
    std::string firstLine_;
    std::string secondLine_;
    unsigned attempts_ = 0;
    bool timerRunning_ = true;
    bool retryEnabled_ = false;
    bool helpEnabled_ = false;
    bool connected_ = false;
};

} // namespace korlink
