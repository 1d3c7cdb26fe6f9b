#pragma once

#include <cstdint>
#include <ctime>

namespace vantrel {

// A calendar date with the year including its century; all zero when unknown.
struct FlightDate {
    int day = 0;
    int month = 0;
    int year = 0;

    bool operator==(const FlightDate&) const = default;
};

// The day after a date, month and year carried. A date whose month is not 1 to 12 stays as it
// is.
FlightDate NextDay(const FlightDate& date);

// Seconds since 1970 of a date and time of day taken as UTC, by calendar arithmetic (no zone).
std::int64_t UtcSeconds(const FlightDate& date, int hour, int minute, int second);

// A date and time of day taken as local time, daylight saving decided by the C library; values
// out of range are carried into the next unit. -1 when the C library cannot represent it.
std::time_t LocalTime(const FlightDate& date, int hour, int minute, int second);

// LocalTime for a run of times in order: the C library is asked once per hour of a date, the
// minutes and seconds added to its answer.
class LocalClock {
public:
    std::time_t At(const FlightDate& date, int hour, int minute, int second);

private:
    FlightDate date_;
    int hour_ = -1;
    std::time_t hourStart_ = 0;
};

} // namespace vantrel
