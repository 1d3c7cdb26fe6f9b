// Exports of the navpoint editor and the site database manager: nothing but dialogs, so a
// host without a Qt application gets KOR_CANCELLED from both.
#include "CallerNavpoints.h"
#include "NavpointEditorDlg.h"
#include "SiteManagerDlg.h"
#include "interface/Library.h"
#include "korlink/korlink.h"

#include <algorithm>
#include <span>

using korlink::Guarded;
using korlink::Library;

namespace korlink {
namespace {

std::size_t Size(std::int32_t count) {
    return static_cast<std::size_t>(std::max(count, 0));
}

std::uint32_t EditWaypoints(const char* title, std::int32_t count, std::int32_t capacity,
                            NavpointRecord* records, std::uint32_t* countOut) {
    if (!Library::HasGui())
        return KOR_CANCELLED;
    const auto given = records ? std::span<const NavpointRecord>(records, Size(count))
                               : std::span<const NavpointRecord>();
    CNavpointEditorDlg editor(title ? title : "", ListFromRecords(given),
                              Library::Instance().Translator());
    if (editor.exec() != QDialog::Accepted || !editor.Changed())
        return KOR_CANCELLED;
    const auto room =
        records ? std::span<NavpointRecord>(records, Size(capacity)) : std::span<NavpointRecord>();
    const std::uint32_t written = WriteRecords(editor.Navpoints(), room);
    if (countOut)
        *countOut = written;
    return KOR_OK;
}

std::uint32_t ManageSites(const ConnectionDescriptor& connection, const char* folder) {
    if (!folder)
        return KOR_FILE_OPEN_FAILED;
    if (!Library::HasGui())
        return KOR_CANCELLED;
    Library& library = Library::Instance();
    CSiteManagerDlg manager(folder, library.Sites(connection), library.Translator());
    manager.exec();
    return KOR_OK;
}

} // namespace
} // namespace korlink

extern "C" {

uint32_t KOREditWaypoints(const ConnectionDescriptor* connection, const char* title, int32_t count,
                          int32_t capacity, NavpointRecord* records, uint32_t* countOut) {
    return Guarded(KOR_CANCELLED, [&]() -> uint32_t {
        if (countOut)
            *countOut = 0;
        if (!connection)
            return KOR_INVALID_PORT;
        Library::Instance().Translator().Apply(connection->language);
        return korlink::EditWaypoints(title, count, capacity, records, countOut);
    });
}

uint32_t KORManageSites(const ConnectionDescriptor* connection, const char* folder) {
    return Guarded(KOR_CANCELLED, [&]() -> uint32_t {
        if (!connection)
            return KOR_INVALID_PORT;
        Library::Instance().Translator().Apply(connection->language);
        return korlink::ManageSites(*connection, folder);
    });
}

} // extern "C"
