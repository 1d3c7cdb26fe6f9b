// Exports of the recorder's identity and configuration.
#include "CallerBuffers.h"
#include "ConfigDlg.h"
#include "Library.h"
#include "LogDirectory.h"
#include "Messages.h"
#include "RecorderConfiguration.h"
#include "korlink/korlink.h"

using korlink::Guarded;
using korlink::Library;

namespace korlink {
namespace {

std::uint32_t EditConfig(const ConnectionDescriptor& descriptor) {
    Library& library = Library::Instance();
    if (const auto status = library.Connect(descriptor); status != KOR_OK)
        return status;
    if (!Library::HasGui())
        return KOR_CANCELLED;
    CRecorderLink& link = library.Link();
    std::optional<RecorderConfig> config;
    std::optional<RecorderStatus> status;
    {
        WaitCursor wait;
        config = ReadConfig(link);
        status = config ? ReadStatus(link) : std::nullopt;
    }
    if (!config || !status) {
        ShowStop(nullptr, library.Tr("Error reading recorder."));
        return KOR_COMMUNICATION_ERROR;
    }
    CConfigDlg dialog(*config, *status, library.Translator());
    if (dialog.exec() != QDialog::Accepted)
        return KOR_OK;

    std::vector<LogDirectoryEntry> flights;
    {
        WaitCursor wait;
        if (const auto reconnected = library.Connect(descriptor); reconnected != KOR_OK)
            return reconnected;
        flights = ReadDirectoryList(link);
    }
    if (!flights.empty()) {
        const std::string question =
            WithNumber(library.Tr("Changing the configuration will destroy the %d log(s) "
                                  "stored in your recorder. Continue?"),
                       static_cast<long long>(flights.size()));
        if (!AskYesNo(nullptr, question))
            return KOR_OK;
    }
    bool written = false;
    {
        WaitCursor wait;
        written = WriteConfigChecked(link, dialog.Config());
    }
    if (!written) {
        ShowStop(nullptr, library.Tr("Configuration update failed."));
        return KOR_COMMUNICATION_ERROR;
    }
    ShowInformation(nullptr, library.Tr("Recorder configuration was sucessfully updated."));
    return KOR_OK;
}

} // namespace
} // namespace korlink

extern "C" {

uint32_t KORInfo(const ConnectionDescriptor* connection, char pilot[25], char recorderId[5],
                 char compId[4], char glider[10]) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        if (!connection)
            return KOR_INVALID_PORT;
        Library& library = Library::Instance();
        if (const auto status = library.Connect(*connection); status != KOR_OK)
            return status;
        const auto config = korlink::ReadConfig(library.Link());
        if (!config)
            return KOR_COMMUNICATION_ERROR;
        korlink::CopyToBuffer(pilot, 25, config->pilot);
        korlink::CopyToBuffer(recorderId, 5, config->RecorderId());
        korlink::CopyToBuffer(compId, 4, config->compId);
        korlink::CopyToBuffer(glider, 10, config->glider);
        return KOR_OK;
    });
}

uint32_t KOREditConfig(const ConnectionDescriptor* connection) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        return connection ? korlink::EditConfig(*connection) : uint32_t{KOR_INVALID_PORT};
    });
}

} // extern "C"
