#include "LocalClock.h"

#include <chrono>

namespace vantrel {
namespace {

using std::chrono::sys_days;

bool HasMonth(const FlightDate& date) {
    return date.month >= 1 && date.month <= 12;
}

sys_days DayOf(const FlightDate& date) {
    // A day beyond the month's end (31 February) carries into the next month.
    const std::chrono::year_month_day first{std::chrono::year{date.year},
                                            std::chrono::month{static_cast<unsigned>(date.month)},
                                            std::chrono::day{1}};
    return sys_days{first} + std::chrono::days{date.day - 1};
}

} // namespace

FlightDate NextDay(const FlightDate& date) {
    if (!HasMonth(date))
        return date;
    const std::chrono::year_month_day next{DayOf(date) + std::chrono::days{1}};
    return {static_cast<int>(static_cast<unsigned>(next.day())),
            static_cast<int>(static_cast<unsigned>(next.month())), static_cast<int>(next.year())};
}

std::int64_t UtcSeconds(const FlightDate& date, int hour, int minute, int second) {
    const std::int64_t days = HasMonth(date) ? DayOf(date).time_since_epoch().count() : 0;
    return days * 86400 + hour * 3600LL + minute * 60LL + second;
}

std::time_t LocalTime(const FlightDate& date, int hour, int minute, int second) {
    std::tm fields{};
    fields.tm_year = date.year - 1900;
    fields.tm_mon = date.month - 1;
    fields.tm_mday = date.day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

std::time_t LocalClock::At(const FlightDate& date, int hour, int minute, int second) {
    if (hour != hour_ || !(date == date_)) {
        date_ = date;
        hour_ = hour;
        hourStart_ = LocalTime(date, hour, 0, 0);
    }
    return hourStart_ + minute * 60 + second;
}

} // namespace vantrel
