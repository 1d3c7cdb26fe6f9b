#pragma once

#include "RecorderSites.h"
#include "korlink/korlink.h"

namespace korlink {

class Library;

// The recorder as the site database dialogs reach it: each call connects afresh with the
// connection the dialogs were opened with, then does what the matching export does
// (KORSetWaypoints, KORSetTask, KORDeclareTask, and the reading of KORGetWaypoints).
class CRecorderSiteLink : public RecorderSites {
public:
    explicit CRecorderSiteLink(Library& library) : library_(library) {}

    void SetConnection(const ConnectionDescriptor& connection) { connection_ = connection; }

    std::uint32_t SendNavpoints(const SiteDatabase& database) override;
    std::uint32_t SendTask(int slot, const TaskIds& ids) override;
    std::uint32_t DeclareTask(int slot) override;
    // The site name without the blanks that pad it, and the navpoints with names and remarks
    // likewise trimmed.
    std::uint32_t ReadSite(SiteDatabase& into) override;

private:
    Library& library_;
    ConnectionDescriptor connection_{1, 0, 0, 1};
};

} // namespace korlink
