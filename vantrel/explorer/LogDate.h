#pragma once

#include <ctime>
#include <optional>
#include <string_view>

namespace vantrel {

// The characters of the short file names' date: digits then lower-case letters.
inline constexpr std::string_view kDateAlphabet = "0123456789abcdefghijklmnopqrstuv";

// The full year of a two-digit year: 90 or less is 2000 + y, above it 1900 + y.
int FullYearOfTwoDigits(int year);

// The year a file name's first character gives: 2000 + p below position 5, else 1990 + p;
// none for a character outside the alphabet.
std::optional<int> YearOfNameCharacter(char c);

// The date of a log by its file name: the year given (or, when none, that of the name's first
// character), the month and day of its second and third characters ("1".."9", "a".. without
// "0"), as midnight local time. 0 when any part is missing or out of range. Letters count in
// either case, since stored logs are named in capitals.
std::time_t LogDateOfName(std::string_view fileName, std::optional<int> year);

} // namespace vantrel
