#include "TimeShift.h"

namespace vantrel {

int ComputerZoneHours(std::time_t now) {
    ::tzset();
    long offset = ::timezone;
    std::tm local{};
    if (::localtime_r(&now, &local) && local.tm_isdst > 0)
        offset -= 3600;
    return static_cast<int>(offset / 3600 - 24 * (offset / 86400));
}

long long TimeShiftHours(const TimeSettings& settings, int flightTimeZone, std::time_t now) {
    switch (settings.logTimeOption) {
    case 1:
        return -static_cast<long long>(flightTimeZone);
    case 2:
        return -static_cast<long long>(settings.logTimeUserValue);
    default:
        return ComputerZoneHours(now);
    }
}

} // namespace vantrel
