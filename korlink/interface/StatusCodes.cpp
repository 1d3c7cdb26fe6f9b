#include "StatusCodes.h"

namespace korlink {

const char* StatusMessage(std::uint32_t code) {
    switch (code) {
    case kInvalidPort:
        return "Invalid communications port ID";
    case kNoConnection:
        return "No connection established to recorder";
    case kCommunicationError:
        return "Communication error.";
    case kNoLogs:
        return "No Logs Available.";
    case kLogWriteFailed:
        return "Error writing flight log to disk.";
    case kSecurityCheckFailed:
        return "Flight failed security check.";
    case kFileOpenFailed:
        return "Could not open requested file.";
    case kFileReadFailed:
        return "An error occured while trying to read requested file.";
    case kInvalidTask:
        return "Specified task id was invalid, must be 1-10.";
    case kTaskNotConfirmed:
        return "Specified task could not be validated in the recorder.";
    case kDeclarationNotConfirmed:
        return "Specified declaration could not be validated in the recorder.";
    case kNavpointsNotConfirmed:
        return "Navpoint transfer could not be validated in the recorder.";
    default:
        return "";
    }
}

std::uint32_t StatusFromConnect(ConnectResult result) {
    switch (result) {
    case ConnectResult::Connected:
        return kSuccess;
    case ConnectResult::PortFailed:
        return kInvalidPort;
    case ConnectResult::Cancelled:
        return kCancelled;
    case ConnectResult::NoRecorder:
        return kNoConnection;
    }
    return kNoConnection;
}

} // namespace korlink
