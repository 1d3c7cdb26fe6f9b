#include "PortDetection.h"

namespace vantrel {

bool DetectRecorderPort(ProgramSettings& settings, const ConnectCall& connect) {
    if (settings.CommPort(0) != 0)
        return true;
    for (int port = 1; port <= kHighestPort; ++port) {
        const ConnectionDescriptor probe = ProbingDescriptor(port);
        if (connect(&probe) == KOR_OK) {
            settings.SetCommPort(port);
            return true;
        }
    }
    return false;
}

} // namespace vantrel
