// Exports of the log directory and flight download.
#include "CallerBuffers.h"
#include "FlightDownload.h"
#include "Library.h"
#include "LogTransferDlg.h"
#include "TransferProgressDlg.h"
#include "korlink/korlink.h"
#include "logfiles/LogNaming.h"

#include <algorithm>
#include <memory>

using korlink::Guarded;
using korlink::Library;

namespace korlink {
namespace {

std::filesystem::path FolderOf(const char* folder) {
    return folder ? folder : "";
}

std::string PathIn(const std::filesystem::path& folder, const std::string& name) {
    return InFolder(folder, name).string();
}

struct SingleFlight {
    std::uint32_t status = KOR_OK;
    SavedFlight saved;
};

// Downloads one flight of the directory, saves and checks it, with the progress window when
// there is a screen.
SingleFlight DownloadAndSave(CRecorderLink& link, const LogDirectoryEntry& entry, int flight,
                             const std::filesystem::path& folder) {
    StoredLog log;
    std::unique_ptr<DownloadProgress> progress;
    if (Library::HasGui()) {
        auto window =
            std::make_unique<CTransferProgressDlg>(entry, Library::Instance().Translator());
        window->show();
        progress = std::move(window);
    } else {
        progress = std::make_unique<DownloadProgress>();
    }
    const auto outcome = DownloadFlight(link, log, flight, *progress);
    if (outcome.status != KOR_OK)
        return {KOR_COMMUNICATION_ERROR, {}};
    const auto saved = SaveAndCheck(log, folder);
    return {saved.status, saved};
}

// Connects, reads the directory and picks a flight with `choose`; then downloads it.
template <typename Choose>
SingleFlight GetFlight(const ConnectionDescriptor& descriptor, const std::filesystem::path& folder,
                       Choose choose) {
    Library& library = Library::Instance();
    if (const auto status = library.Connect(descriptor); status != KOR_OK)
        return {status, {}};
    const auto entries = ReadDirectoryList(library.Link());
    const std::optional<int> flight = choose(entries);
    if (entries.empty() || !flight)
        return {KOR_NO_LOGS, {}};
    return DownloadAndSave(library.Link(), entries[static_cast<std::size_t>(*flight) - 1], *flight,
                           folder);
}

} // namespace
} // namespace korlink

extern "C" {

uint32_t KORGetLogInfo(const ConnectionDescriptor* connection, LogInfoList* out) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        if (out)
            out->count = 0;
        if (!connection || !out)
            return KOR_INVALID_PORT;
        Library& library = Library::Instance();
        library.Translator().Apply(connection->language);
        if (library.Link().OpenPort(connection->port) == korlink::ConnectResult::PortFailed)
            return KOR_INVALID_PORT;
        const auto entries = korlink::ReadDirectoryList(library.Link());
        if (entries.empty())
            return KOR_NO_LOGS;
        for (const auto& entry : entries) {
            std::copy(entry.bytes.begin(), entry.bytes.end(), out->entries[out->count].bytes);
            korlink::CopyToBuffer(out->descriptions[out->count], sizeof out->descriptions[0],
                                  entry.description);
            ++out->count;
        }
        return KOR_OK;
    });
}

uint32_t KORGetLog(const ConnectionDescriptor* connection, const char* folder, int32_t logNumber,
                   LogResult* out) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        if (out)
            out->written = 0;
        if (!connection)
            return KOR_INVALID_PORT;
        const auto destination = korlink::FolderOf(folder);
        const auto result = korlink::GetFlight(
            *connection, destination, [logNumber](const auto& entries) -> std::optional<int> {
                // Numbers past the last flight take the last; numbers below 1 the first.
                return std::clamp<int>(logNumber, 1,
                                       std::max<int>(1, static_cast<int>(entries.size())));
            });
        if (result.saved.written && out) {
            out->written = 1;
            korlink::CopyToBuffer(out->path, sizeof out->path,
                                  korlink::PathIn(destination, result.saved.name));
        }
        return result.status;
    });
}

uint32_t KORGetSingleLog(const ConnectionDescriptor* connection, const char* folder, int32_t day,
                         int32_t month, char path[256]) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        if (!connection)
            return KOR_INVALID_PORT;
        const auto destination = korlink::FolderOf(folder);
        const auto result = korlink::GetFlight(*connection, destination, [&](const auto& entries) {
            return korlink::FlightOfDay(entries, day, month);
        });
        if (result.saved.written)
            korlink::CopyToBuffer(path, 256, korlink::PathIn(destination, result.saved.name));
        return result.status;
    });
}

uint32_t KORGetLogs(const ConnectionDescriptor* connection, const char* folder, LogPathList* out) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        if (out) {
            out->count = 0;
            for (auto& path : out->paths)
                path[0] = '\0';
        }
        if (!connection)
            return KOR_INVALID_PORT;
        Library& library = Library::Instance();
        library.Translator().Apply(connection->language);
        if (library.Link().OpenPort(connection->port) == korlink::ConnectResult::PortFailed)
            return KOR_INVALID_PORT;
        if (!Library::HasGui())
            return KOR_CANCELLED;
        korlink::CLogTransferDlg dialog(library.Link(), korlink::FolderOf(folder),
                                        library.Translator());
        dialog.exec();
        if (out) {
            const auto& written = dialog.WrittenPaths();
            for (const auto& path : written) {
                static_assert(std::size(LogPathList{}.paths) ==
                              korlink::CLogTransferDlg::kReportedPaths);
                if (out->count >= korlink::CLogTransferDlg::kReportedPaths)
                    break;
                korlink::CopyToBuffer(out->paths[out->count++], sizeof out->paths[0], path);
            }
        }
        return KOR_OK;
    });
}

} // extern "C"
