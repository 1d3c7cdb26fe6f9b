#include "LineTrace.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

namespace korlink {
namespace {

constexpr std::size_t kBytesPerLine = 16;

std::string TimeStamp() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[40];
    const auto n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(text + n, sizeof text - n, ".%03d", static_cast<int>(millis));
    return text;
}

} // namespace

LineTrace LineTrace::FromEnvironment() {
    const char* path = std::getenv("KORLINK_TRACE");
    return (path && *path) ? LineTrace(path) : LineTrace();
}

LineTrace::LineTrace(const std::string& path) : file_(std::fopen(path.c_str(), "a")) {}

void LineTrace::Event(std::string_view text) {
    if (!file_)
        return;
    std::fprintf(file_.get(), "%s  %.*s\n", TimeStamp().c_str(), static_cast<int>(text.size()),
                 text.data());
    std::fflush(file_.get());
}

void LineTrace::Sent(unsigned speed, ByteView bytes) {
    Dump("TX", speed, bytes);
}

void LineTrace::Received(unsigned speed, ByteView bytes) {
    Dump("RX", speed, bytes);
}

void LineTrace::Dump(std::string_view direction, unsigned speed, ByteView bytes) {
    if (!file_ || bytes.empty())
        return;
    const std::string stamp = TimeStamp();
    for (std::size_t start = 0; start < bytes.size(); start += kBytesPerLine) {
        const auto line = bytes.subspan(start, std::min(kBytesPerLine, bytes.size() - start));
        std::string hex, text;
        for (const std::uint8_t b : line) {
            char cell[4];
            std::snprintf(cell, sizeof cell, "%02X ", b);
            hex += cell;
            text += (b >= 0x20 && b < 0x7F) ? static_cast<char>(b) : '.';
        }
        std::fprintf(file_.get(), "%s  %.*s %6u  %-48s |%s|\n", stamp.c_str(),
                     static_cast<int>(direction.size()), direction.data(), speed, hex.c_str(),
                     text.c_str());
    }
    std::fflush(file_.get());
}

} // namespace korlink
