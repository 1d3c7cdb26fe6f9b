#include "TextLines.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace vantrel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || std::filesystem::is_directory(status))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string contents;
    if (std::filesystem::is_regular_file(status)) {
        const auto size = std::filesystem::file_size(path, error);
        if (!error)
            contents.reserve(static_cast<std::size_t>(size));
    }
    std::array<char, 1 << 16> block;
    while (in.read(block.data(), block.size()) || in.gcount() > 0)
        contents.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    return contents;
}

std::optional<std::string_view> TextLines::Peek() const {
    if (position_ >= text_.size())
        return std::nullopt;
    const auto end = text_.find_first_of("\r\n", position_);
    return text_.substr(position_, end == std::string_view::npos ? end : end - position_);
}

std::optional<std::string_view> TextLines::Next() {
    const auto line = Peek();
    if (!line)
        return std::nullopt;
    position_ += line->size();
    if (position_ < text_.size()) {
        const bool crlf = text_[position_] == '\r' && position_ + 1 < text_.size() &&
                          text_[position_ + 1] == '\n';
        position_ += crlf ? 2 : 1;
    }
    return line;
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

std::string_view Part(std::string_view text, std::size_t index, std::size_t count) {
    return index >= text.size() ? std::string_view() : text.substr(index, count);
}

std::optional<int> DigitsAt(std::string_view text, std::size_t index, std::size_t count) {
    const auto digits = Part(text, index, count);
    if (digits.size() != count || count == 0)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> SignedNumberAt(std::string_view text, std::size_t index, std::size_t count) {
    auto field = Trim(Part(text, index, std::min<std::size_t>(count, 9)));
    const bool negative = !field.empty() && field.front() == '-';
    if (negative)
        field.remove_prefix(1);
    if (field.empty() || !std::all_of(field.begin(), field.end(), IsDigit))
        return std::nullopt;
    int value = 0;
    for (const char c : field)
        value = value * 10 + (c - '0');
    return negative ? -value : value;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
    return upper;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

} // namespace vantrel
