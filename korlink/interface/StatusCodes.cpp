#include "StatusCodes.h"

namespace korlink {

const char* StatusMessage(std::uint32_t code) {
    switch (code) {
    case KOR_INVALID_PORT:
        return "Invalid communications port ID";
    case KOR_NO_CONNECTION:
        return "No connection established to recorder";
    case KOR_COMMUNICATION_ERROR:
        return "Communication error.";
    case KOR_NO_LOGS:
        return "No Logs Available.";
    case KOR_LOG_WRITE_FAILED:
        return "Error writing flight log to disk.";
    case KOR_SECURITY_CHECK_FAILED:
        return "Flight failed security check.";
    case KOR_FILE_OPEN_FAILED:
        return "Could not open requested file.";
    case KOR_FILE_READ_FAILED:
        return "An error occured while trying to read requested file.";
    case KOR_INVALID_TASK:
        return "Specified task id was invalid, must be 1-10.";
    case KOR_TASK_NOT_CONFIRMED:
        return "Specified task could not be validated in the recorder.";
    case KOR_DECLARATION_NOT_CONFIRMED:
        return "Specified declaration could not be validated in the recorder.";
    case KOR_NAVPOINTS_NOT_CONFIRMED:
        return "Navpoint transfer could not be validated in the recorder.";
    default:
        return "";
    }
}

std::uint32_t StatusFromConnect(ConnectResult result) {
    switch (result) {
    case ConnectResult::Connected:
        return KOR_OK;
    case ConnectResult::PortFailed:
        return KOR_INVALID_PORT;
    case ConnectResult::Cancelled:
        return KOR_CANCELLED;
    case ConnectResult::NoRecorder:
        return KOR_NO_CONNECTION;
    }
    return KOR_NO_CONNECTION;
}

} // namespace korlink
