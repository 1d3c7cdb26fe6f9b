#include "WorkspaceStore.h"

#include <algorithm>

namespace vantrel {
namespace {

QString WorkspaceKey(int n) {
    return QStringLiteral("Workspace%1").arg(n);
}
QString WorkspaceNameKey(int n) {
    return QStringLiteral("Workspace%1Name").arg(n);
}

} // namespace

QString WorkspaceLabel(const QString& name, const QString& path) {
    return name + QStringLiteral(" - (") + path + u')';
}

WorkspaceList ReadWorkspaces(const ProgramSettings& settings) {
    WorkspaceList list;
    list.primary.path = settings.Text(key::kPrimaryWorkspace, DefaultFlightFolder());
    list.primary.name = settings.Text(key::kPrimaryWorkspaceName, QString());
    // Each further workspace has a key of its own, so no more can exist than there are keys.
    const int count = std::min(settings.Integer(key::kNumWorkspaces, 1), settings.KeyCount() + 1);
    for (int n = 1; n < count; ++n) {
        WorkspaceEntry entry{settings.Text(WorkspaceKey(n), QString()),
                             settings.Text(WorkspaceNameKey(n), QString())};
        if (!entry.path.isEmpty())
            list.others.push_back(entry);
    }
    return list;
}

void WriteWorkspaces(ProgramSettings& settings, const WorkspaceList& workspaces) {
    int n = 0;
    for (const auto& entry : workspaces.others) {
        ++n;
        settings.SetText(WorkspaceKey(n), entry.path);
        settings.SetText(WorkspaceNameKey(n), entry.name);
    }
    settings.SetInteger(key::kNumWorkspaces, 1 + n);
    settings.SetText(key::kPrimaryWorkspace, workspaces.primary.path);
    settings.SetText(key::kPrimaryWorkspaceName, workspaces.primary.name);
}

} // namespace vantrel
