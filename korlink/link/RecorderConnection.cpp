#include "PortDevices.h"
#include "RecorderLink.h"

namespace korlink {

namespace {
constexpr std::chrono::milliseconds kProbeInterval{1000};
}

ConnectResult CRecorderLink::OpenPort(int port) {
    portName_ = korlink::PortName(port);
    const auto device = PortDevice(port);
    // A port outside 1..8 is never opened; it is reported as an invalid port.
    if (!device)
        return ConnectResult::PortFailed;
    if (!port_.Open(*device, command::kTextSpeed, command::kNormalReadConstantMs))
        return ConnectResult::PortFailed;
    return Interrupt(1) ? ConnectResult::Connected : ConnectResult::NoRecorder;
}

ConnectResult CRecorderLink::Connect(const ConnectRequest& request, ConnectPrompt* prompt) {
    const auto opened = OpenPort(request.port);
    if (opened != ConnectResult::NoRecorder)
        return opened;
    if (!request.quiet && prompt)
        return prompt->Run(*this, portName_, request.retries);
    for (unsigned count = 0;;) {
        if (Interrupt(1)) {
            Pause(kProbeInterval);
            return ConnectResult::Connected;
        }
        if (++count > request.retries)
            return ConnectResult::NoRecorder;
        if (operation_->IsCancelled())
            return ConnectResult::Cancelled;
        Pause(kProbeInterval);
    }
}

} // namespace korlink
