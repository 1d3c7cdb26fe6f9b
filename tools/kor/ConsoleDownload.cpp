#include "ConsoleDownload.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace kor {
namespace {
constexpr int kBarWidth = 30;
}

ConsoleDownload::ConsoleDownload() : interactive_(::isatty(STDERR_FILENO) != 0) {}

ConsoleDownload::~ConsoleDownload() {
    EndLine();
}

void ConsoleDownload::AreaStarted(std::uint32_t total) {
    EndLine();
    total_ = total;
    started_ = std::chrono::steady_clock::now();
    Draw(0);
}

void ConsoleDownload::BlockDone(std::uint32_t done) {
    Draw(done);
}

void ConsoleDownload::FixDataComplete() {
    area_ = "navpoints";
}

void ConsoleDownload::Failed(std::uint32_t) {
    EndLine();
}

void ConsoleDownload::Finished() {
    EndLine();
}

void ConsoleDownload::Draw(std::uint32_t done) {
    if (!interactive_)
        return;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    const double rate = seconds > 0.2 ? done / seconds : 0;
    const double left = rate > 0 ? (total_ - std::min(done, total_)) / rate : 0;
    const int filled = total_ ? static_cast<int>(kBarWidth * std::min(done, total_) / total_) : 0;
    std::fprintf(stderr, "\r  %-9s [%.*s%*s] %7.1f/%.1f KB  %5.2f KB/s  %d:%02d left ", area_,
                 filled, "##############################", kBarWidth - filled, "", done / 1024.0,
                 total_ / 1024.0, rate / 1024.0, static_cast<int>(left) / 60,
                 static_cast<int>(left) % 60);
    std::fflush(stderr);
    lineOpen_ = true;
}

void ConsoleDownload::EndLine() {
    if (lineOpen_)
        std::fputc('\n', stderr);
    lineOpen_ = false;
}

} // namespace kor
