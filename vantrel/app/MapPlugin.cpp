#include "MapPlugin.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>

namespace vantrel {

QStringList MapPluginCandidates(const QString& programFolder) {
    const QDir folder(programFolder);
    return {folder.filePath(QLatin1String(kMapPluginFile)),
            QDir::cleanPath(folder.filePath(QStringLiteral("../lib/vantrel/plugins/")) + u'/' +
                            QLatin1String(kMapPluginFile))};
}

std::optional<MapPluginInfo> FindMapPlugin(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (!QFileInfo::exists(candidate))
            continue;
        QPluginLoader loader(candidate);
        const QJsonObject meta = loader.metaData().value(QStringLiteral("MetaData")).toObject();
        if (loader.metaData().isEmpty() || !loader.load())
            continue;
        return MapPluginInfo{candidate, meta.value(QStringLiteral("buildDate")).toString(),
                             meta.value(QStringLiteral("version")).toString()};
    }
    return std::nullopt;
}

} // namespace vantrel
