#include "TimeText.h"

#include <array>
#include <cstdio>

namespace vantrel {
namespace {

constexpr long long kSecondsPerDay = 86400;

std::string Clock(int hour, int minute, int second, bool spaced) {
    char text[32];
    std::snprintf(text, sizeof text, spaced ? "%02d : %02d : %02d" : "%02d:%02d:%02d", hour, minute,
                  second);
    return text;
}

} // namespace

std::string ClockText(std::time_t time, bool spaced) {
    std::tm fields{};
    if (!::localtime_r(&time, &fields))
        return {};
    return Clock(fields.tm_hour, fields.tm_min, fields.tm_sec, spaced);
}

std::string SpanText(long long seconds) {
    // The parts of a span, each with the sign of the whole, as a time span shows them.
    const long long withinDay = seconds % kSecondsPerDay;
    return Clock(static_cast<int>(withinDay / 3600), static_cast<int>(withinDay / 60 % 60),
                 static_cast<int>(withinDay % 60), false);
}

std::string DateText(const FlightDate& date) {
    static constexpr std::array<const char*, 12> kMonths{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    if (date.month < 1 || date.month > 12)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%s %02d, %d",
                  kMonths[static_cast<std::size_t>(date.month - 1)], date.day, date.year);
    return text;
}

} // namespace vantrel
