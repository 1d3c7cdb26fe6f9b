#pragma once

#include "document/IgcFlight.h"
#include "document/TimeShift.h"

#include <optional>
#include <string>

namespace kor {

// Reads a flight's header and fixes for the commands that only read: an IGC file, or a stored
// log through the IGC file beside it; a stored log without one is converted in memory, so
// that reading never writes beside the user's files. The error text when it cannot be read.
std::optional<std::string> ReadFlightFile(const std::string& file,
                                          const vantrel::TimeSettings& time,
                                          vantrel::IgcFlight& flight);

// Whether what was read is a flight at all: a valid fix, or a recorder's A record with fixes
// (all of them without a position). An empty or foreign file is none.
bool HoldsFlight(const vantrel::IgcFlight& flight);

} // namespace kor
