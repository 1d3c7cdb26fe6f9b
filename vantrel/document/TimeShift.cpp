#include "TimeShift.h"

#include <cmath>

namespace vantrel {
namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kMostZoneMinutes = 24 * kMinutesPerHour;
constexpr long kSecondsPerMinute = 60;
constexpr long kMinutesPerDay = 24 * kMinutesPerHour;
constexpr long kSecondsPerDay = kMinutesPerDay * kSecondsPerMinute;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits at the start of `text`, moving past them.
std::string_view Digits(std::string_view& text) {
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length]))
        ++length;
    const auto digits = text.substr(0, length);
    text.remove_prefix(length);
    return digits;
}

int TwoDigits(std::string_view digits) {
    return digits.size() == 1 ? digits[0] - '0' : (digits[0] - '0') * 10 + (digits[1] - '0');
}

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
}

// Minutes of an hour fraction's digits (".5", ".50", ".75"), read without the C locale.
double FractionMinutes(std::string_view digits) {
    double minutes = 0;
    double scale = kMinutesPerHour / 10.0;
    for (const char c : digits.substr(0, 6)) {
        minutes += (c - '0') * scale;
        scale /= 10;
    }
    return minutes;
}

} // namespace

std::optional<int> ZoneMinutesOf(std::string_view text) {
    SkipBlanks(text);
    if (text.starts_with("UTC") || text.starts_with("GMT"))
        text.remove_prefix(3);
    SkipBlanks(text);
    const bool west = text.starts_with('-');
    if (text.starts_with('-') || text.starts_with('+'))
        text.remove_prefix(1);
    const auto hours = Digits(text);
    double minutes = 0;
    if (hours.size() == 4) { // "+0530"
        minutes = TwoDigits(hours.substr(0, 2)) * kMinutesPerHour + TwoDigits(hours.substr(2));
    } else if (hours.size() == 1 || hours.size() == 2) {
        minutes = TwoDigits(hours) * kMinutesPerHour;
        if (text.size() >= 3 && text[0] == ':' && IsDigit(text[1]) && IsDigit(text[2])) {
            minutes += TwoDigits(text.substr(1, 2));
        } else if (text.starts_with('.')) {
            text.remove_prefix(1);
            minutes += FractionMinutes(Digits(text));
        }
    } else {
        return std::nullopt;
    }
    const long rounded = std::lround(minutes);
    if (rounded > kMostZoneMinutes)
        return std::nullopt;
    return static_cast<int>(west ? -rounded : rounded);
}

int ComputerZoneMinutes(std::time_t now) {
    ::tzset();
    long offset = ::timezone;
    std::tm local{};
    if (::localtime_r(&now, &local) && local.tm_isdst > 0)
        offset -= 3600;
    return static_cast<int>(offset / kSecondsPerMinute -
                            kMinutesPerDay * (offset / kSecondsPerDay));
}

long long TimeShiftMinutes(const TimeSettings& settings, int flightZoneMinutes, std::time_t now) {
    switch (settings.logTimeOption) {
    case 1:
        return -static_cast<long long>(flightZoneMinutes);
    case 2:
        return -static_cast<long long>(settings.logTimeUserMinutes);
    default:
        return ComputerZoneMinutes(now);
    }
}

} // namespace vantrel
