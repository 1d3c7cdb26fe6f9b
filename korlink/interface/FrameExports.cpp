// Exports of the library frame: connecting, the about box, the build date, GPS off.
#include "Library.h"
#include "LibraryAboutDlg.h"
#include "korlink/korlink.h"

#include <algorithm>
#include <cstring>

using korlink::Guarded;
using korlink::Library;

extern "C" {

uint32_t KORConnect(const ConnectionDescriptor* connection) {
    return Guarded(KOR_NO_CONNECTION, [&]() -> uint32_t {
        if (!connection)
            return KOR_INVALID_PORT;
        return Library::Instance().Connect(*connection);
    });
}

uint32_t KORAbout(void) {
    return Guarded(KOR_OK, [] {
        if (Library::HasGui()) {
            korlink::CLibraryAboutDlg dialog(Library::Instance().Translator());
            dialog.exec();
        }
        return uint32_t{KOR_OK};
    });
}

char* KORGetRevDate(char* buffer, int32_t size) {
    static constexpr char kBuildDate[] = "Apr 17 2003";
    constexpr int32_t kLength = sizeof kBuildDate - 1;
    if (!buffer || size <= 0)
        return buffer;
    std::memset(buffer, 0, static_cast<std::size_t>(size));
    // Exactly `size` characters and no terminator when the buffer is not longer than the text.
    std::memcpy(buffer, kBuildDate, static_cast<std::size_t>(std::min(size, kLength)));
    return buffer;
}

void KORGPSOff(void) {
    Guarded(KOR_OK, [] {
        auto& link = Library::Instance().Link();
        // Sent on the port the last export left open; before any export there is none.
        if (link.Port().IsOpen()) {
            link.Interrupt(1);
            link.GpsOff();
        }
        return uint32_t{KOR_OK};
    });
}

} // extern "C"
