#pragma once

#include "RecorderMemory.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

// The recorder's navpoint, task and declaration operations as the library's callers see them:
// each returns a status code of the public header (KOR_*). The recorder must be connected.
namespace korlink {

class CRecorderLink;

// Runs a navpoint transfer: in the library's progress window, or straight through.
class TransferRunner {
public:
    enum class Title { ToPc, ToRecorder, Verifying };

    virtual ~TransferRunner() = default;
    // Runs `transfer`; false when it failed or was cancelled.
    virtual bool Run(Title title, const std::function<bool()>& transfer) = 0;
    // Download mode could not be entered for an upload (the upload goes on).
    virtual void NoSendMode() {}
};

// What a transfer shows while it runs: "Transfering Navpoints to PC", "... to Recorder",
// "Verifying Navpoints".
const char* TransferTitleText(TransferRunner::Title title);

class DirectTransfer : public TransferRunner {
public:
    bool Run(Title, const std::function<bool()>& transfer) override { return transfer(); }
};

// Reads the recorder's navpoints and site name into the memory's table.
std::uint32_t ReadRecorderNavpoints(RecorderMemory& memory, CRecorderLink& link,
                                    TransferRunner& runner, TransferRunner::Title title);

// Reads only the site name.
std::uint32_t ReadRecorderSiteName(RecorderMemory& memory, CRecorderLink& link);

struct NavpointSending {
    std::uint32_t status = 0;
    std::size_t sent = 0; // navpoints the recorder acknowledged
};

// Sends the site name and the first 250 navpoints. With `verify`, reads them back and
// compares each with the one sent (same place): KOR_NAVPOINTS_NOT_CONFIRMED at the first that
// differs or is missing. An upload that stops part-way is KOR_COMMUNICATION_ERROR.
NavpointSending SendRecorderNavpoints(RecorderMemory& memory, CRecorderLink& link,
                                      TransferRunner& runner, std::string_view siteName,
                                      std::span<const navpoints::Navpoint> navpoints, bool verify);

std::uint32_t ReadRecorderTasks(RecorderMemory& memory, CRecorderLink& link);

// Task `number` is 1 .. 10 (KOR_INVALID_TASK otherwise, before any exchange). Reads the task
// record, replaces that task with the first nine numbers, sends it and reads the record back:
// KOR_TASK_NOT_CONFIRMED when that fails or the task came back different.
std::uint32_t SetRecorderTask(RecorderMemory& memory, CRecorderLink& link, int number,
                              std::span<const std::int32_t> numbers);

// Declares task `number` (1 .. 10), then reads the declaration and the task record:
// KOR_DECLARATION_NOT_CONFIRMED when either fails or the declared points differ from the task.
std::uint32_t DeclareRecorderTask(RecorderMemory& memory, CRecorderLink& link, int number);

std::uint32_t ReadRecorderDeclaration(RecorderMemory& memory, CRecorderLink& link);

} // namespace korlink
