#include "JsonText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kor {
namespace {

// Length of the UTF-8 sequence at `at`; 0 when none starts there.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = byte >= 0xF0 && byte <= 0xF4   ? 4
                               : byte >= 0xE0                 ? 3
                               : byte >= 0xC2 && byte <= 0xDF ? 2
                                                              : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

std::string Escaped(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", byte);
    return text;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            json += '\\';
            json += static_cast<char>(byte);
        } else if (byte == '\n') {
            json += "\\n";
        } else if (byte == '\r') {
            json += "\\r";
        } else if (byte == '\t') {
            json += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            json += Escaped(byte);
        } else if (byte < 0x80) {
            json += static_cast<char>(byte);
        } else if (const auto length = Utf8Length(text, i); length > 0) {
            json.append(text.substr(i, length));
            i += length - 1;
        } else {
            json += Escaped(byte);
        }
    }
    return json + "\"";
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value))
        return "null";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

JsonObject& JsonObject::AddJson(std::string_view key, std::string_view json) {
    if (!members_.empty())
        members_ += ", ";
    members_ += JsonString(key);
    members_ += ": ";
    members_ += json;
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view text) {
    return AddJson(key, JsonString(text));
}

JsonObject& JsonObject::Add(std::string_view key, long long number) {
    return AddJson(key, std::to_string(number));
}

JsonObject& JsonObject::Add(std::string_view key, double number) {
    return AddJson(key, JsonNumber(number));
}

JsonObject& JsonObject::AddNull(std::string_view key) {
    return AddJson(key, "null");
}

std::string JsonArray(const std::vector<std::string>& values, bool lines) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        json += i == 0 ? "" : ",";
        json += lines ? "\n  " : (i == 0 ? "" : " ");
        json += values[i];
    }
    return json + (lines && !values.empty() ? "\n]" : "]");
}

} // namespace kor
