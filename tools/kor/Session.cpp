#include "Session.h"

#include "interface/StatusCodes.h"
#include "link/PortDevices.h"

#include <cstdio>

namespace kor {

Session::Session(const GlobalOptions& options) : scope_(link_, operation_) {
    const auto result = link_.Connect({options.port, options.retries, true});
    status_ = korlink::StatusFromConnect(result);
    switch (result) {
    case korlink::ConnectResult::Connected:
        break;
    case korlink::ConnectResult::PortFailed: {
        const auto device = korlink::PortDevice(options.port);
        std::fprintf(stderr, "%s: %s\n", korlink::StatusMessage(status_),
                     device ? korlink::DescribePortError(link_.Port().LastError(), *device).c_str()
                            : "no such port");
        break;
    }
    case korlink::ConnectResult::Cancelled:
        std::fprintf(stderr, "Cancelled\n");
        break;
    case korlink::ConnectResult::NoRecorder:
        std::fprintf(stderr, "%s on %s (%s)\n", korlink::StatusMessage(status_),
                     link_.PortName().c_str(), link_.Port().Device().c_str());
        break;
    }
}

void ReportStatus(std::uint32_t status) {
    if (const char* message = korlink::StatusMessage(status); *message)
        std::fprintf(stderr, "%s\n", message);
}

} // namespace kor
