#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vantrel {

// The file name of the map, 3-D and barogram control plugin.
inline constexpr auto kMapPluginFile = "libtrkview.so";

// What the About box shows of the map control.
struct MapPluginInfo {
    QString path;
    QString buildDate;
    QString version;
};

// Finds the map control: none when it is not installed or does not load.
using MapPluginFinder = std::function<std::optional<MapPluginInfo>()>;

// Where the plugin is looked for, in order: beside the program, then the install's plugin
// folder (lib/vantrel/plugins beside the program's bin folder).
QStringList MapPluginCandidates(const QString& programFolder);

// Loads the first candidate that is a plugin and reads its build date and version from the
// plugin's metadata ("buildDate", "version"). None when no candidate loads.
std::optional<MapPluginInfo> FindMapPlugin(const QStringList& candidates);

} // namespace vantrel
