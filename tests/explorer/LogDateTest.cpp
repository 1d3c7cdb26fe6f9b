// Log dates from short file names, and the years the library and IGC headers give.
#include "explorer/LogDate.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

std::time_t Midnight(int year, int month, int day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

TEST(LogDate, NamesGiveYearMonthAndDay) {
    struct Case {
        const char* name;
        std::optional<int> year;
        std::time_t expected;
    };
    const Case cases[] = {
        {"43BQ0YA1.KOR", std::nullopt, Midnight(2004, 3, 11)}, // the library writes capitals
        {"43bq0ya1.kor", std::nullopt, Midnight(2004, 3, 11)},
        {"43b0ya1.igc", std::nullopt, Midnight(2004, 3, 11)}, // "4" year 2004, "3" March, "b" 11
        {"9cv0ya1.igc", std::nullopt, Midnight(1999, 12, 31)},
        {"5c10ya1.igc", std::nullopt, Midnight(1995, 12, 1)},
        {"0110ya1.igc", std::nullopt, Midnight(2000, 1, 1)},
        {"4d10ya1.igc", std::nullopt, 0},             // month 13
        {"40b0ya1.igc", std::nullopt, 0},             // month "0" is not a month
        {"41w0ya1.igc", std::nullopt, 0},             // "w" is not in the list
        {"x1a0ya1.igc", std::nullopt, 0},             // no year in the name, none given
        {"x1a0ya1.igc", 2011, Midnight(2011, 1, 10)}, // the year of the file wins
        {"41", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LogDateOfName(c.name, c.year), c.expected) << c.name;
    }
}

TEST(LogDate, TwoDigitYearsAndNameCharacters) {
    EXPECT_EQ(FullYearOfTwoDigits(0), 2000);
    EXPECT_EQ(FullYearOfTwoDigits(90), 2090);
    EXPECT_EQ(FullYearOfTwoDigits(91), 1991);
    EXPECT_EQ(FullYearOfTwoDigits(99), 1999);
    EXPECT_EQ(YearOfNameCharacter('4'), 2004);
    EXPECT_EQ(YearOfNameCharacter('5'), 1995);
    EXPECT_EQ(YearOfNameCharacter('v'), 2021);
    EXPECT_EQ(YearOfNameCharacter('V'), 2021);
    EXPECT_EQ(YearOfNameCharacter('w'), std::nullopt);
}

} // namespace
} // namespace vantrel
