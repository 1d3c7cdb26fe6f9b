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
constexpr int kBarWidth = 40;

} // namespace

ConsoleOperation::ConsoleOperation() : interactive_(::isatty(STDERR_FILENO) != 0) {
    std::signal(SIGINT, OnInterrupt);
}

ConsoleOperation::~ConsoleOperation() {
    if (interactive_ && lastPercent_ >= 0)
        std::fputc('\n', stderr);
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
    const int filled = percent * kBarWidth / 100;
    std::fprintf(stderr, "\r%-30.30s [%.*s%*s] %3d%%", text_.c_str(), filled,
                 "########################################", kBarWidth - filled, "", percent);
    std::fflush(stderr);
}

} // namespace kor
