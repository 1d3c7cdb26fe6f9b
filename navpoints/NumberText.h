#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers to text and back, independent of the C locale: navpoint files and site databases
// always use "." as the decimal point, whatever locale a program has set.
namespace navpoints {

// Fixed notation with `precision` decimals, right-aligned in at least `width` characters and
// padded with blanks, or with zeros after any sign when `zeroPad` is set ("%w.pf", "%0w.pf").
std::string FixedText(double value, int precision, int width = 0, bool zeroPad = false);

// A whole number right-aligned in at least `width` characters, zero-padded after any sign
// ("%0wd").
std::string PaddedInteger(long long value, int width);

// The shortest fixed-notation text that reads back as exactly `value`.
std::string ShortestText(float value);

// The leading whole number of a text the way atoi reads it: blanks, a sign, digits; 0 when there
// are no digits. Values beyond the int range are held at its limits.
int LeadingInteger(std::string_view text);

// The leading decimal number of a text the way "%lf" reads it (blanks first); nothing when the
// text does not start with one.
std::optional<double> LeadingNumber(std::string_view text);

// A whole token that is exactly one number; nothing for anything else (blank, trailing
// characters, out of range).
std::optional<long long> WholeInteger(std::string_view token);
std::optional<double> WholeDouble(std::string_view token);
std::optional<float> WholeFloat(std::string_view token);

// The whole part of a value, held within the int range; 0 for not-a-number.
int TruncatedInt(double value);

} // namespace navpoints
