#pragma once

#include <string>
#include <string_view>
#include <vector>

// JSON text written by hand: strings escaped, numbers in the C locale.
namespace kor {

// A JSON string: quotes, backslashes and control characters escaped; bytes that are not UTF-8
// are taken as Latin-1 and written as \u00XX.
std::string JsonString(std::string_view text);
// The shortest text that reads back as the same number.
std::string JsonNumber(double value);

// An object whose members keep the order in which they were added.
class JsonObject {
public:
    JsonObject& Add(std::string_view key, std::string_view text);
    JsonObject& Add(std::string_view key, const char* text) {
        return Add(key, std::string_view(text));
    }
    JsonObject& Add(std::string_view key, long long number);
    JsonObject& Add(std::string_view key, double number);
    JsonObject& AddNull(std::string_view key);
    // A member whose value is already JSON text.
    JsonObject& AddJson(std::string_view key, std::string_view json);

    std::string Text() const { return "{" + members_ + "}"; }

private:
    std::string members_;
};

// A JSON array of values already in JSON text, one a line when `lines` is set.
std::string JsonArray(const std::vector<std::string>& values, bool lines = false);

} // namespace kor
