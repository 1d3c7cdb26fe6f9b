#include "IdList.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>

namespace vantrel {
namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one whole number at `at` after blanks, as "%d" does; false when there is none. A number
// too large for an int is held at its limits.
bool ReadNumber(std::string_view text, std::size_t& at, int& value) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    std::size_t digits = at;
    if (digits < text.size() && (text[digits] == '-' || text[digits] == '+'))
        ++digits;
    std::size_t end = digits;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (end == digits)
        return false;
    long long number = 0;
    const auto [stop, error] = std::from_chars(text.data() + digits, text.data() + end, number);
    if (error == std::errc::result_out_of_range || stop != text.data() + end)
        number = LLONG_MAX;
    if (text[at] == '-')
        number = -number;
    value = static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
    at = end;
    return true;
}

} // namespace

std::vector<int> ParseIdList(std::string_view text, std::size_t limit) {
    std::string blanked(text);
    std::replace(blanked.begin(), blanked.end(), ',', ' ');
    const std::size_t most = std::min(limit, kIdListLength);
    std::vector<int> values;
    std::size_t at = 0;
    int value = 0;
    while (values.size() < most && ReadNumber(blanked, at, value))
        values.push_back(value);
    return values;
}

std::string AppendToIdList(std::string_view text, int value) {
    std::string entry(text);
    if (!entry.empty())
        entry += ',';
    return entry + std::to_string(value);
}

std::string IdListText(const std::vector<int>& values) {
    std::string text;
    for (const int value : values)
        text = AppendToIdList(text, value);
    return text;
}

} // namespace vantrel
