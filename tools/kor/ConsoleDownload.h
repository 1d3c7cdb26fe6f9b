#pragma once

#include "interface/FlightDownload.h"

#include <chrono>
#include <string>

namespace kor {

// A download's progress on the terminal (stderr): which area, bytes done of the total, the
// rate and the time left. Silent when stderr is not a terminal.
class ConsoleDownload : public korlink::DownloadProgress {
public:
    ConsoleDownload();
    ~ConsoleDownload() override;

    void AreaStarted(std::uint32_t total) override;
    void BlockDone(std::uint32_t done) override;
    void FixDataComplete() override;
    void Failed(std::uint32_t status) override;
    void Finished() override;

private:
    void Draw(std::uint32_t done);
    void EndLine();

    bool interactive_;
    bool lineOpen_ = false;
    const char* area_ = "fix data";
    std::uint32_t total_ = 0;
    std::chrono::steady_clock::time_point started_;
};

} // namespace kor
