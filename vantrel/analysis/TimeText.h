#pragma once

#include "document/LocalClock.h"

#include <ctime>
#include <string>

// Times and dates as the analysis shows them.
namespace vantrel {

// A local time of day as "%H:%M:%S" (or, with `spaced`, "%H : %M : %S").
std::string ClockText(std::time_t time, bool spaced = false);
// A span of seconds as "%H:%M:%S": the hours within the day, minutes and seconds.
std::string SpanText(long long seconds);
// A date as "%B %d, %Y" ("February 01, 2004"); empty for a date without a month.
std::string DateText(const FlightDate& date);

} // namespace vantrel
