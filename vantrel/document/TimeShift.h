#pragma once

#include <ctime>

namespace vantrel {

// How fix times are turned into local time ("LogTimeOption", "LogTimeUserValue").
struct TimeSettings {
    // 0 the computer's zone, 1 the flight's own time zone, 2 the user's hour offset.
    int logTimeOption = 0;
    int logTimeUserValue = 0;
};

// The computer's zone in whole hours west of UTC, one hour less while daylight saving is in
// force at `now`.
int ComputerZoneHours(std::time_t now);

// The hours subtracted from every fix time: the computer's zone (option 0 and unknown options),
// minus the flight's time zone (1) or minus the user's value (2).
long long TimeShiftHours(const TimeSettings& settings, int flightTimeZone, std::time_t now);

} // namespace vantrel
