#pragma once

#include "Translator.h"
#include "korlink/korlink.h"
#include "link/RecorderLink.h"
#include "navpoints/RecorderMemory.h"
#include "navpoints/RecorderSiteLink.h"

#include <cstdint>
#include <exception>

namespace korlink {

// The library's process-wide state: its language table, its one recorder link and the
// recorder's navpoints, tasks and declaration as last read or sent. Exports are called one at a
// time from one thread, so it needs no lock.
class Library {
public:
    static Library& Instance();

    CTranslator& Translator() { return translator_; }
    CRecorderLink& Link() { return link_; }
    std::string Tr(std::string_view text) const { return translator_.Translate(text); }
    RecorderMemory& Memory() { return memory_; }
    // The recorder's navpoints, tasks and declaration for the site dialogs, reached through
    // `connection`.
    RecorderSites* Sites(const ConnectionDescriptor& connection) {
        sites_.SetConnection(connection);
        return &sites_;
    }

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
    RecorderMemory memory_;
    CRecorderSiteLink sites_{*this};
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
