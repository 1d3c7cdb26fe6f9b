#include "RecorderSiteLink.h"

#include "NavpointProgressDlg.h"
#include "interface/Library.h"
#include "interface/RecorderConfig.h"

#include <vector>

namespace korlink {
namespace {

// The navpoint with its name and remark as the user typed them, without the recorder's padding.
navpoints::Navpoint Unpadded(const RecorderNavpoint& entry) {
    RecorderNavpoint trimmed = entry;
    trimmed.name = TrimTrailing(entry.name);
    trimmed.remark = TrimTrailing(entry.remark);
    return ToNavpoint(trimmed);
}

} // namespace

std::uint32_t CRecorderSiteLink::SendNavpoints(const SiteDatabase& database) {
    if (const auto status = library_.Connect(connection_); status != KOR_OK)
        return status;
    std::vector<navpoints::Navpoint> navpoints;
    for (const auto* navpoint : database.Navpoints().InOrder())
        navpoints.push_back(*navpoint);
    const bool quiet = connection_.quiet != 0;
    LibraryTransfer runner(library_.Link(), library_.Translator(), quiet);
    return SendRecorderNavpoints(library_.Memory(), library_.Link(), runner, database.Name(),
                                 navpoints, !quiet)
        .status;
}

std::uint32_t CRecorderSiteLink::SendTask(int slot, const TaskIds& ids) {
    if (const auto status = library_.Connect(connection_); status != KOR_OK)
        return status;
    return SetRecorderTask(library_.Memory(), library_.Link(), slot + 1, ids);
}

std::uint32_t CRecorderSiteLink::DeclareTask(int slot) {
    if (const auto status = library_.Connect(connection_); status != KOR_OK)
        return status;
    return DeclareRecorderTask(library_.Memory(), library_.Link(), slot + 1);
}

std::uint32_t CRecorderSiteLink::ReadSite(SiteDatabase& into) {
    if (const auto status = library_.Connect(connection_); status != KOR_OK)
        return status;
    LibraryTransfer runner(library_.Link(), library_.Translator(), connection_.quiet != 0);
    const auto status = ReadRecorderNavpoints(library_.Memory(), library_.Link(), runner,
                                              TransferRunner::Title::ToPc);
    if (status != KOR_OK)
        return status;
    const auto& table = library_.Memory().Navpoints();
    navpoints::NavpointList list;
    for (const auto& entry : table.navpoints)
        list.Put(Unpadded(entry));
    into.SetName(TrimTrailing(table.siteName));
    into.SetNavpoints(std::move(list));
    into.ClearTasks();
    return KOR_OK;
}

} // namespace korlink
