#include "RecorderTransfer.h"

#include "korlink/korlink.h"
#include "navpoints/Distance.h"

#include <algorithm>

namespace korlink {
namespace {

constexpr int kFirstTask = 1;
constexpr int kLastTask = kRecorderTasks;

bool IsTaskNumber(int number) {
    return number >= kFirstTask && number <= kLastTask;
}

// Every navpoint sent is in the table read back, at the same place.
bool ReadBackMatches(const RecorderNavpointTable& table,
                     std::span<const navpoints::Navpoint> sent) {
    if (table.navpoints.size() < sent.size())
        return false;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        if (!navpoints::IsSamePlace(ToNavpoint(table.navpoints[i]), sent[i]))
            return false;
    }
    return true;
}

} // namespace

const char* TransferTitleText(TransferRunner::Title title) {
    switch (title) {
    case TransferRunner::Title::ToPc:
        return "Transfering Navpoints to PC";
    case TransferRunner::Title::ToRecorder:
        return "Transfering Navpoints to Recorder";
    case TransferRunner::Title::Verifying:
        return "Verifying Navpoints";
    }
    return "";
}

std::uint32_t ReadRecorderNavpoints(RecorderMemory& memory, CRecorderLink& link,
                                    TransferRunner& runner, TransferRunner::Title title) {
    const bool read = runner.Run(title, [&] { return memory.ReadNavpoints(link); });
    return read ? KOR_OK : KOR_COMMUNICATION_ERROR;
}

std::uint32_t ReadRecorderSiteName(RecorderMemory& memory, CRecorderLink& link) {
    return memory.ReadNavpoints(link, RecorderMemory::Reading::SiteNameOnly)
               ? KOR_OK
               : KOR_COMMUNICATION_ERROR;
}

NavpointSending SendRecorderNavpoints(RecorderMemory& memory, CRecorderLink& link,
                                      TransferRunner& runner, std::string_view siteName,
                                      std::span<const navpoints::Navpoint> navpoints, bool verify) {
    const auto taken = navpoints.first(std::min(navpoints.size(), kMaxSentNavpoints));
    memory.SetNavpoints(siteName, taken);
    NavpointSending sending;
    const bool uploaded = runner.Run(TransferRunner::Title::ToRecorder, [&] {
        const auto upload = memory.WriteNavpoints(link, [&] { runner.NoSendMode(); });
        sending.sent = upload.sent;
        return upload.complete;
    });
    if (!uploaded) {
        sending.status = KOR_COMMUNICATION_ERROR;
        return sending;
    }
    if (!verify)
        return sending;
    if (ReadRecorderNavpoints(memory, link, runner, TransferRunner::Title::Verifying) != KOR_OK)
        sending.status = KOR_COMMUNICATION_ERROR;
    else if (!ReadBackMatches(memory.Navpoints(), taken))
        sending.status = KOR_NAVPOINTS_NOT_CONFIRMED;
    return sending;
}

std::uint32_t ReadRecorderTasks(RecorderMemory& memory, CRecorderLink& link) {
    return memory.ReadTasks(link) ? KOR_OK : KOR_COMMUNICATION_ERROR;
}

std::uint32_t SetRecorderTask(RecorderMemory& memory, CRecorderLink& link, int number,
                              std::span<const std::int32_t> numbers) {
    if (!IsTaskNumber(number))
        return KOR_INVALID_TASK;
    const int task = number - 1;
    if (!memory.ReadTasks(link))
        return KOR_COMMUNICATION_ERROR;
    const TaskIds wanted = TaskFromNumbers(numbers);
    memory.SetTask(task, wanted);
    if (!memory.SendTask(link, task))
        return KOR_COMMUNICATION_ERROR;
    if (!memory.ReadTasks(link))
        return KOR_TASK_NOT_CONFIRMED;
    return memory.Tasks()[static_cast<std::size_t>(task)] == wanted ? KOR_OK
                                                                    : KOR_TASK_NOT_CONFIRMED;
}

std::uint32_t DeclareRecorderTask(RecorderMemory& memory, CRecorderLink& link, int number) {
    if (!IsTaskNumber(number))
        return KOR_INVALID_TASK;
    const int task = number - 1;
    if (!memory.Declare(link, task))
        return KOR_COMMUNICATION_ERROR;
    if (!memory.ReadDeclaration(link) || !memory.ReadTasks(link))
        return KOR_DECLARATION_NOT_CONFIRMED;
    return DeclarationMatches(memory.Tasks()[static_cast<std::size_t>(task)], memory.Declaration())
               ? KOR_OK
               : KOR_DECLARATION_NOT_CONFIRMED;
}

std::uint32_t ReadRecorderDeclaration(RecorderMemory& memory, CRecorderLink& link) {
    return memory.ReadDeclaration(link) ? KOR_OK : KOR_COMMUNICATION_ERROR;
}

} // namespace korlink
