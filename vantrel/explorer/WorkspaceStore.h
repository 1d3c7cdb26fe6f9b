#pragma once

#include "settings/ProgramSettings.h"

#include <QString>
#include <vector>

namespace vantrel {

// One workspace as the settings keep it: its folder and the text its item showed (empty: the
// item gets the standard name).
struct WorkspaceEntry {
    QString path;
    QString name;

    bool operator==(const WorkspaceEntry&) const = default;
};

// The workspaces of the PC pane: the primary one and the further ones, in order.
struct WorkspaceList {
    WorkspaceEntry primary;
    std::vector<WorkspaceEntry> others;

    bool operator==(const WorkspaceList&) const = default;
};

// The standard names of workspace items.
inline constexpr auto kPrimaryWorkspaceName = "My Velmora Files";
inline constexpr auto kPcWorkspaceName = "PC Workspace";
inline constexpr auto kNewWorkspaceName = "New Workspace";
inline constexpr auto kFlashCardName = "Flash Card";

// The text of a workspace item: name + " - (" + path + ")".
QString WorkspaceLabel(const QString& name, const QString& path);

// Reads "NumWorkspaces", "PrimaryWorkspace", "PrimaryWorkspaceName" and "Workspace%d" /
// "Workspace%dName"; further workspaces with an empty path are left out. A number of
// workspaces beyond what the section can hold is cut to it.
WorkspaceList ReadWorkspaces(const ProgramSettings& settings);

// Writes the workspaces back: the further ones numbered from 1, "NumWorkspaces" = 1 + their
// number, then the primary one.
void WriteWorkspaces(ProgramSettings& settings, const WorkspaceList& workspaces);

} // namespace vantrel
