#pragma once

#include "GeoPosition.h"

#include <optional>
#include <string_view>

namespace vantrel {

// Where the optional extensions sit in B records: 1-based character columns, -1 when absent.
struct ExtensionColumns {
    int fxaStart = -1;
    int fxaEnd = -1;
    int enlStart = -1;
    int enlEnd = -1;
};

// The fields of one B record.
struct FixRecord {
    int hour = 0;
    int minute = 0;
    int second = 0;
    GeoPosition position;
    int pressureAltitude = 0;       // metres
    int gpsAltitude = 0;            // metres
    std::optional<int> fixAccuracy; // metres
    std::optional<int> engineNoiseLevel;
};

// Index of the validity character of a B record ("A" for a valid fix).
constexpr std::size_t kValidityIndex = 24;

// Reads a B record's time, position, altitudes and extensions. None when its time or position
// is not in digits; a missing or unreadable altitude reads as 0, an extension as absent.
std::optional<FixRecord> ReadFixRecord(std::string_view line, const ExtensionColumns& columns);

} // namespace vantrel
