#include "ConsoleOperation.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace kor {
namespace {

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) {
    interrupted = true;
}

constexpr std::chrono::milliseconds kSleepSlice{50};
// A label of up to 34 characters and the bar fit an 80-column terminal.
constexpr int kLabelWidth = 34;
constexpr int kBarWidth = 36;

} // namespace

ConsoleOperation::ConsoleOperation() : interactive_(::isatty(STDERR_FILENO) != 0) {
    std::signal(SIGINT, OnInterrupt);
}

ConsoleOperation::~ConsoleOperation() {
    EndLine();
}

void ConsoleOperation::EndLine() {
    if (lineOpen_)
        std::fputc('\n', stderr);
    lineOpen_ = false;
    range_ = 0;
    position_ = 0;
    lastPercent_ = -1;
}

bool ConsoleOperation::IsCancelled() const {
    return interrupted;
}

void ConsoleOperation::Sleep(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (!interrupted && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            kSleepSlice, end - std::chrono::steady_clock::now()));
}

void ConsoleOperation::SetText(std::string_view text) {
    text_ = text;
    lastPercent_ = -1;
    Draw();
}

void ConsoleOperation::SetProgressRange(unsigned range) {
    range_ = range;
    position_ = 0;
    lastPercent_ = -1;
    Draw();
}

void ConsoleOperation::SetProgressPosition(unsigned position) {
    position_ = position;
    Draw();
}

void ConsoleOperation::Draw() {
    if (!interactive_)
        return;
    const int percent =
        range_ ? static_cast<int>(100ull * std::min(position_, range_) / range_) : 0;
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    lineOpen_ = true;
    const int filled = percent * kBarWidth / 100;
    std::fprintf(stderr, "\r%-*.*s [%.*s%*s] %3d%%", kLabelWidth, kLabelWidth, text_.c_str(),
                 filled, "####################################", kBarWidth - filled, "", percent);
    std::fflush(stderr);
}

} // namespace kor
