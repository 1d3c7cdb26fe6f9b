#pragma once

#include "SiteDatabase.h"

#include <cstdint>

namespace korlink {

// What the site database dialogs ask of the recorder: its navpoints, tasks and declaration.
// Each call connects afresh and returns a status code of the public header (KOR_*).
class RecorderSites {
public:
    virtual ~RecorderSites() = default;

    // Sends the database's navpoints (at most 250) and its name as the recorder's site, then
    // verifies them: KOR_NAVPOINTS_NOT_CONFIRMED when the read-back differs.
    virtual std::uint32_t SendNavpoints(const SiteDatabase& database) = 0;
    // Sends one task; `slot` is 0 .. 9 (the exports' task number is slot + 1).
    virtual std::uint32_t SendTask(int slot, const TaskIds& ids) = 0;
    // Declares the task in `slot` (0 .. 9).
    virtual std::uint32_t DeclareTask(int slot) = 0;
    // Reads the recorder's navpoints and site name into `into` (its path is left alone).
    virtual std::uint32_t ReadSite(SiteDatabase& into) = 0;
};

} // namespace korlink
