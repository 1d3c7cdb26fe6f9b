#pragma once

#include <ctime>
#include <optional>
#include <string_view>

namespace vantrel {

// How fix times are turned into local time ("LogTimeOption", "LogTimeUserValue").
struct TimeSettings {
    // 0 the computer's zone, 1 the flight's own time zone, 2 the user's offset.
    int logTimeOption = 0;
    // The user's offset from UTC in minutes (the setting holds hours, with a fraction for zones
    // such as +5:30).
    int logTimeUserMinutes = 0;
};

// A time zone or offset from UTC as written in a flight's header or given by a user, in minutes
// east of UTC: "+5:30", "-03:30", "UTC-05:00", "5.5" and "+5.50" (decimal hours), "2". A leading
// "UTC" or "GMT" and blanks are passed over, and so is any text after the number. Nothing when
// the text holds no number or one beyond 24 hours.
std::optional<int> ZoneMinutesOf(std::string_view text);

// The computer's zone in minutes west of UTC, an hour less while daylight saving is in force at
// `now`.
int ComputerZoneMinutes(std::time_t now);

// The minutes subtracted from every fix time: the computer's zone (option 0 and unknown
// options), minus the flight's time zone (1) or minus the user's offset (2).
long long TimeShiftMinutes(const TimeSettings& settings, int flightZoneMinutes, std::time_t now);

} // namespace vantrel
