// Exports of the recorder's navpoints, tasks and declaration.
#include "NavpointProgressDlg.h"
#include "RecorderTransfer.h"
#include "interface/CallerBuffers.h"
#include "interface/Library.h"
#include "korlink/korlink.h"
#include "navpoints/NavpointRecord.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <vector>

using korlink::Guarded;
using korlink::Library;

namespace korlink {
namespace {

constexpr std::size_t kSiteNameBuffer = 33;
constexpr std::size_t kDateBuffer = 32;

// Connects with the caller's descriptor, then runs `body`; a failure to connect is returned
// unchanged.
template <typename Body>
std::uint32_t Connected(const ConnectionDescriptor* connection, Body&& body) {
    if (!connection)
        return KOR_INVALID_PORT;
    Library& library = Library::Instance();
    if (const auto status = library.Connect(*connection); status != KOR_OK)
        return status;
    return body(library);
}

std::size_t Count(std::int64_t count, std::size_t most) {
    return static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, std::int64_t(most)));
}

std::uint32_t GetWaypoints(Library& library, bool quiet, std::int32_t maxCount, NavpointRecord* out,
                           std::uint32_t* count, char* siteName) {
    LibraryTransfer runner(library.Link(), library.Translator(), quiet);
    const auto title =
        maxCount >= 1 ? TransferRunner::Title::ToPc : TransferRunner::Title::Verifying;
    if (const auto status = ReadRecorderNavpoints(library.Memory(), library.Link(), runner, title);
        status != KOR_OK)
        return status;
    const auto& table = library.Memory().Navpoints();
    CopyToBuffer(siteName, kSiteNameBuffer, table.siteName);
    const std::size_t taken =
        out ? Count(std::llabs(std::int64_t{maxCount}), table.navpoints.size()) : 0;
    for (std::size_t i = 0; i < taken; ++i)
        navpoints::ToRecord(ToNavpoint(table.navpoints[i]), out[i]);
    if (count)
        *count = static_cast<std::uint32_t>(taken);
    return KOR_OK;
}

std::uint32_t SetWaypoints(Library& library, bool quiet, std::int32_t count,
                           const NavpointRecord* in, const char* siteName, std::uint32_t* sent) {
    std::vector<navpoints::Navpoint> navpoints;
    if (in) {
        for (const auto& record : std::span(in, Count(count, kMaxSentNavpoints)))
            navpoints.push_back(navpoints::FromRecord(record));
    }
    LibraryTransfer runner(library.Link(), library.Translator(), quiet);
    const auto sending = SendRecorderNavpoints(library.Memory(), library.Link(), runner,
                                               siteName ? siteName : "", navpoints, !quiet);
    if (sent)
        *sent = static_cast<std::uint32_t>(sending.sent);
    return sending.status;
}

std::uint32_t GetDeclaration(Library& library, char* firstDate, char* secondDate,
                             std::uint32_t* count, std::int32_t* numbers) {
    if (const auto status = ReadRecorderDeclaration(library.Memory(), library.Link());
        status != KOR_OK)
        return status;
    const auto& declaration = library.Memory().Declaration();
    CopyToBuffer(firstDate, kDateBuffer, DeclarationDateText(declaration.declared));
    CopyToBuffer(secondDate, kDateBuffer, DeclarationDateText(declaration.firstFix));
    if (count)
        *count = static_cast<std::uint32_t>(declaration.points.size());
    if (numbers) {
        for (std::size_t i = 0; i < LogDeclaration::kMaxPoints; ++i)
            numbers[i] = i < declaration.points.size() ? declaration.points[i].navpoint : 0;
    }
    return KOR_OK;
}

} // namespace
} // namespace korlink

extern "C" {

uint32_t KORGetWaypoints(const ConnectionDescriptor* connection, int32_t maxCount,
                         NavpointRecord* out, uint32_t* count, char siteName[33]) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        if (count)
            *count = 0;
        return korlink::Connected(connection, [&](Library& library) {
            return korlink::GetWaypoints(library, connection->quiet != 0, maxCount, out, count,
                                         siteName);
        });
    });
}

uint32_t KORSetWaypoints(const ConnectionDescriptor* connection, int32_t count,
                         const NavpointRecord* in, const char* siteName, uint32_t* sent) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        if (sent)
            *sent = 0;
        return korlink::Connected(connection, [&](Library& library) {
            return korlink::SetWaypoints(library, connection->quiet != 0, count, in, siteName,
                                         sent);
        });
    });
}

uint32_t KORGetTasks(const ConnectionDescriptor* connection, int32_t tasks[90]) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        return korlink::Connected(connection, [&](Library& library) {
            const auto status = korlink::ReadRecorderTasks(library.Memory(), library.Link());
            if (status == KOR_OK && tasks) {
                for (const auto& task : library.Memory().Tasks())
                    tasks = std::copy(task.begin(), task.end(), tasks);
            }
            return status;
        });
    });
}

uint32_t KORSetTask(const ConnectionDescriptor* connection, int32_t task, int32_t count,
                    const int32_t* navpoints) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        return korlink::Connected(connection, [&](Library& library) {
            const auto numbers =
                navpoints ? std::span(navpoints, korlink::Count(count, korlink::TaskIds{}.size()))
                          : std::span<const int32_t>();
            return korlink::SetRecorderTask(library.Memory(), library.Link(), task, numbers);
        });
    });
}

uint32_t KORDeclareTask(const ConnectionDescriptor* connection, int32_t task) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        return korlink::Connected(connection, [&](Library& library) {
            return korlink::DeclareRecorderTask(library.Memory(), library.Link(), task);
        });
    });
}

uint32_t KORGetDeclaration(const ConnectionDescriptor* connection, char firstDate[32],
                           char secondDate[32], uint32_t* count, int32_t navpoints[9]) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        if (count)
            *count = 0;
        return korlink::Connected(connection, [&](Library& library) {
            return korlink::GetDeclaration(library, firstDate, secondDate, count, navpoints);
        });
    });
}

uint32_t KORGetSiteName(const ConnectionDescriptor* connection, char siteName[33]) {
    return Guarded(KOR_COMMUNICATION_ERROR, [&]() -> uint32_t {
        return korlink::Connected(connection, [&](Library& library) {
            const auto status = korlink::ReadRecorderSiteName(library.Memory(), library.Link());
            if (status == KOR_OK)
                korlink::CopyToBuffer(siteName, korlink::kSiteNameBuffer,
                                      library.Memory().Navpoints().siteName);
            return status;
        });
    });
}

} // extern "C"
