#include "RecorderMemory.h"

#include "link/RecorderLink.h"

#include <algorithm>

namespace korlink {
namespace {

// A record read in upload mode.
std::optional<Bytes> ReadRecordIn(CRecorderLink& link, char letter) {
    link.EnterUploadMode();
    return link.ReadRecord(letter);
}

// A line sent in download mode (a refused mode entry is tried again by the line's attempts).
bool SendLineIn(CRecorderLink& link, const std::string& line) {
    link.EnterDownloadMode();
    return link.SendLine(line);
}

bool IsTask(int task) {
    return task >= 0 && task < kRecorderTasks;
}

} // namespace

std::optional<NavpointCounts> RecorderMemory::ReadNavpointCounts(CRecorderLink& link) {
    const auto record = ReadRecordIn(link, 'c');
    return record ? ParseCounts(*record) : std::nullopt;
}

bool RecorderMemory::ReadNavpoints(CRecorderLink& link, Reading reading) {
    const auto counts = ReadNavpointCounts(link);
    if (!counts)
        return false;
    const auto area = link.DownloadArea(command::kSiteArea, reading == Reading::SiteNameOnly);
    if (area.status != AreaStatus::Complete)
        return false;
    navpoints_.siteName = SiteNameOf(area.data);
    if (reading == Reading::Everything)
        navpoints_.navpoints = DecodeNavpointArea(area.data, *counts);
    return true;
}

void RecorderMemory::SetNavpoints(std::string_view siteName,
                                  std::span<const navpoints::Navpoint> navpoints) {
    navpoints_.siteName = std::string(siteName.substr(0, kSiteLineNameLength));
    navpoints_.navpoints.clear();
    for (const auto& navpoint : navpoints.first(std::min(navpoints.size(), kMaxSentNavpoints)))
        navpoints_.navpoints.push_back(ToRecorderNavpoint(navpoint));
}

NavpointUpload RecorderMemory::WriteNavpoints(CRecorderLink& link,
                                              const std::function<void()>& noSendMode) {
    auto& operation = link.Operation();
    operation.SetProgressRange(static_cast<unsigned>(navpoints_.navpoints.size()));
    NavpointUpload upload;
    link.ClearNavpoints();
    if (!link.EnterDownloadMode() && noSendMode)
        noSendMode();
    if (operation.IsCancelled() || !link.SendLine(SiteLine(navpoints_.siteName)))
        return upload;
    for (const auto& navpoint : navpoints_.navpoints) {
        if (operation.IsCancelled() || !link.SendLine(NavpointLine(upload.sent + 1, navpoint)))
            return upload;
        ++upload.sent;
        operation.SetProgressPosition(static_cast<unsigned>(upload.sent));
    }
    upload.complete = true;
    return upload;
}

bool RecorderMemory::ReadTasks(CRecorderLink& link) {
    const auto record = ReadRecordIn(link, 't');
    if (!record)
        return false;
    tasks_ = DecodeTaskRecord(*record);
    return true;
}

void RecorderMemory::SetTask(int task, const TaskIds& numbers) {
    if (IsTask(task))
        tasks_[static_cast<std::size_t>(task)] = numbers;
}

bool RecorderMemory::SendTask(CRecorderLink& link, int task) {
    return IsTask(task) && SendLineIn(link, TaskLine(task, tasks_[static_cast<std::size_t>(task)]));
}

bool RecorderMemory::Declare(CRecorderLink& link, int task) {
    return IsTask(task) && SendLineIn(link, DeclareLine(task));
}

bool RecorderMemory::ReadDeclaration(CRecorderLink& link) {
    const auto record = ReadRecordIn(link, 'd');
    if (!record)
        return false;
    declaration_ = DecodeRecorderDeclaration(*record);
    return true;
}

} // namespace korlink
