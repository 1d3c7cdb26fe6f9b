#include "FlightFile.h"

#include "document/IgcPath.h"
#include "logfiles/IgcWriter.h"
#include "logfiles/StoredLog.h"

#include <ctime>

namespace kor {
namespace {

std::optional<std::string> ConvertedInMemory(const std::string& file) {
    korlink::StoredLog log;
    if (log.Load(file) != korlink::LogFileStatus::Ok)
        return std::nullopt;
    return korlink::IgcText(log, korlink::ProductVersion());
}

std::optional<std::string> ReadText(const std::string& file, vantrel::IgcFlight& flight) {
    if (vantrel::IsStoredLogPath(file)) {
        // Without a converter only an IGC file already beside the log is found.
        if (const auto beside = vantrel::IgcPathOf(file, nullptr)) {
            flight.SetPath(beside->path);
            return vantrel::ReadWholeFile(beside->path);
        }
        flight.SetPath(file);
        return ConvertedInMemory(file);
    }
    flight.SetPath(file);
    return vantrel::ReadWholeFile(file);
}

} // namespace

std::optional<std::string> ReadFlightFile(const std::string& file,
                                          const vantrel::TimeSettings& time,
                                          vantrel::IgcFlight& flight) {
    const auto text = ReadText(file, flight);
    // The flight reader's texts: a stored log that cannot be opened (or converted), an IGC
    // file that cannot be read.
    if (!text)
        return (vantrel::IsStoredLogPath(file) ? "An error occured while opening: "
                                               : "An error occured reading: ") +
               file;
    flight.ReadHeaderText(*text);
    if (!flight.HeaderRead())
        return flight.ErrorText();
    flight.ReadFixesText(*text, time, true, std::time(nullptr));
    return std::nullopt;
}

bool HoldsFlight(const vantrel::IgcFlight& flight) {
    return flight.FixCount() > 0 ||
           (flight.InvalidFixCount() > 0 && !flight.Header().manufacturer.empty());
}

} // namespace kor
