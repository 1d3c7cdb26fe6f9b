#pragma once

#include "IgcDeclaration.h"
#include "LocalClock.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// What the records before the first fix say about a flight.
struct IgcHeader {
    std::string manufacturer;
    std::string recorderId;
    std::string pilot;
    std::string gliderType;
    std::string gliderId;
    std::string competitionId; // upper case
    std::string site;
    std::string units;
    std::string hardwareVersion;
    FlightDate date;
    int timeZoneMinutes = 0; // east of UTC
    // 1-based character columns of the fix accuracy and engine noise level in B records; -1
    // when the file has none.
    int fxaStart = -1;
    int fxaEnd = -1;
    int enlStart = -1;
    int enlEnd = -1;
    std::vector<IgcDeclaration> declarations;
};

// The outcome of reading the header records.
struct HeaderOutcome {
    bool read = true;
    int lineCount = 0;
    std::string errorText; // set when not read
};

// Reads A, H, I and C records up to the first B record or the end of the text. A record that
// cannot be read stops the reading with the error text naming its line and record letter.
HeaderOutcome ReadHeader(std::string_view text, IgcHeader& header);

} // namespace vantrel
