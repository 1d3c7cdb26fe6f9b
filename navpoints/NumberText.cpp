#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>

namespace navpoints {
namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string Padded(std::string text, int width, bool zeroPad) {
    if (width <= 0 || text.size() >= static_cast<std::size_t>(width))
        return text;
    const auto missing = static_cast<std::size_t>(width) - text.size();
    if (!zeroPad)
        return std::string(missing, ' ') + text;
    const std::size_t signLength = (!text.empty() && text[0] == '-') ? 1 : 0;
    text.insert(signLength, missing, '0');
    return text;
}

template <typename Number> std::optional<Number> WholeNumber(std::string_view token) {
    if (!token.empty() && token[0] == '+')
        token.remove_prefix(1);
    Number value{};
    const auto* end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, value);
    if (token.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

std::string FixedText(double value, int precision, int width, bool zeroPad) {
    // Room for the widest double in fixed notation (309 digits) and the decimals.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, precision);
    if (error != std::errc{})
        return Padded("0", width, zeroPad);
    return Padded(std::string(buffer.data(), end), width, zeroPad);
}

std::string PaddedInteger(long long value, int width) {
    return Padded(std::to_string(value), width, true);
}

std::string ShortestText(float value) {
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string("0");
}

int LeadingInteger(std::string_view text) {
    text = WithoutLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min(value * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::optional<double> LeadingNumber(std::string_view text) {
    text = WithoutLeadingBlanks(text);
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return std::nullopt;
    if (error != std::errc{} || stop == text.data())
        return std::nullopt;
    return value;
}

std::optional<long long> WholeInteger(std::string_view token) {
    return WholeNumber<long long>(token);
}

std::optional<double> WholeDouble(std::string_view token) {
    return WholeNumber<double>(token);
}

std::optional<float> WholeFloat(std::string_view token) {
    return WholeNumber<float>(token);
}

int TruncatedInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace navpoints
