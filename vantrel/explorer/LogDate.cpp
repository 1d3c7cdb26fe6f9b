#include "LogDate.h"

namespace vantrel {
namespace {

// Month and day characters start at 1: "123456789abc...".
constexpr std::string_view kCountAlphabet = kDateAlphabet.substr(1);

// The library writes its file names in capitals; the letters read the same in either case.
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::optional<int> CountOf(char c) {
    const auto position = kCountAlphabet.find(Lower(c));
    if (position == std::string_view::npos)
        return std::nullopt;
    return static_cast<int>(position) + 1;
}

} // namespace

int FullYearOfTwoDigits(int year) {
    return year <= 90 ? 2000 + year : 1900 + year;
}

std::optional<int> YearOfNameCharacter(char c) {
    const auto position = kDateAlphabet.find(Lower(c));
    if (position == std::string_view::npos)
        return std::nullopt;
    const int p = static_cast<int>(position);
    return p < 5 ? 2000 + p : 1990 + p;
}

std::time_t LogDateOfName(std::string_view fileName, std::optional<int> year) {
    if (fileName.size() < 3)
        return 0;
    if (!year)
        year = YearOfNameCharacter(fileName[0]);
    const auto month = CountOf(fileName[1]);
    const auto day = CountOf(fileName[2]);
    if (!year || !month || !day || *month > 12 || *day > 31)
        return 0;
    std::tm midnight{};
    midnight.tm_year = *year - 1900;
    midnight.tm_mon = *month - 1;
    midnight.tm_mday = *day;
    midnight.tm_isdst = -1;
    const std::time_t date = std::mktime(&midnight);
    return date == static_cast<std::time_t>(-1) ? 0 : date;
}

} // namespace vantrel
