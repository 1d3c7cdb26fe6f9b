#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Text files read line by line, and the small field readers of their records.
namespace vantrel {

// The whole contents of a file; none when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The lines of a text, each whole however long it is, without its line end (LF, CR LF or a
// lone CR).
class TextLines {
public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // The next line; none at the end of the text.
    std::optional<std::string_view> Next();
    // The next line without taking it.
    std::optional<std::string_view> Peek() const;

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// The part of a text from `index` for at most `count` characters; empty beyond its end.
std::string_view Part(std::string_view text, std::size_t index,
                      std::size_t count = std::string_view::npos);

// The unsigned number held by exactly `count` digits at `index`; none when any is missing or is
// not a digit.
std::optional<int> DigitsAt(std::string_view text, std::size_t index, std::size_t count);

// A whole number held by the characters at `index` (at most `count`), blanks around it and a
// leading minus allowed; none when there is no number or anything else is in the field.
std::optional<int> SignedNumberAt(std::string_view text, std::size_t index, std::size_t count);

// The text in upper case (ASCII letters only).
std::string UpperCase(std::string_view text);
// Whether two texts are equal without regard to the case of ASCII letters.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

} // namespace vantrel
