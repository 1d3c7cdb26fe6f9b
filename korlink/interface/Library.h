#pragma once

#include "Translator.h"
#include "korlink/korlink.h"
#include "link/RecorderLink.h"
#include "navpoints/RecorderSites.h"

#include <cstdint>
#include <exception>

namespace korlink {

// The library's process-wide state: its language table and its one recorder link. Exports are
// called one at a time from one thread, so it needs no lock.
class Library {
public:
    static Library& Instance();

    CTranslator& Translator() { return translator_; }
    CRecorderLink& Link() { return link_; }
    std::string Tr(std::string_view text) const { return translator_.Translate(text); }
    // The recorder's navpoints, tasks and declaration for the site dialogs: none until the
    // recorder transfer provides it.
    RecorderSites* Sites() { return nullptr; }

    // True when the host runs a Qt widget application, so that the library may show dialogs.
    static bool HasGui();

    // The first steps of every export that takes a descriptor: apply its language, then open
    // the port and make sure a recorder answers, asking the user through the connecting dialog
    // when the descriptor is not quiet and there is a screen. Returns a KOR_* status code.
    std::uint32_t Connect(const ConnectionDescriptor& descriptor);

private:
    Library();

    CTranslator translator_;
    CRecorderLink link_;
};

// Runs an export body; nothing it throws crosses the C boundary: an exception becomes
// `failure`.
template <typename Body> std::uint32_t Guarded(std::uint32_t failure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

} // namespace korlink
