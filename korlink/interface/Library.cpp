#include "Library.h"

#include "ConnectDlg.h"
#include "StatusCodes.h"

#include <QApplication>

namespace korlink {

Library::Library() : translator_(DataDirectory()) {}

Library& Library::Instance() {
    static Library library;
    return library;
}

bool Library::HasGui() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

std::uint32_t Library::Connect(const ConnectionDescriptor& descriptor) {
    translator_.Apply(descriptor.language);
    const ConnectRequest request{descriptor.port, descriptor.retries, descriptor.quiet != 0};
    if (request.quiet || !HasGui())
        return StatusFromConnect(link_.Connect(request));
    CConnectDlg prompt(translator_);
    return StatusFromConnect(link_.Connect(request, &prompt));
}

} // namespace korlink
