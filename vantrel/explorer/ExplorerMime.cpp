#include "ExplorerMime.h"

#include "DragData.h"

#include <QUrl>

namespace vantrel {
namespace {

QList<QUrl> FileUrls(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

} // namespace

std::unique_ptr<QMimeData> DragMimeData(std::span<const ExplorerNode> nodes) {
    auto data = std::make_unique<QMimeData>();
    const auto bytes = EncodeDragData(nodes);
    data->setData(QLatin1String(kDragDataType),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size())));
    QStringList paths;
    for (const auto& node : nodes)
        if (node.IsPcItem() && !node.path.empty())
            paths << QString::fromStdString(node.path);
    if (!paths.isEmpty() && paths.size() == static_cast<qsizetype>(nodes.size()))
        data->setUrls(FileUrls(paths));
    return data;
}

std::optional<std::vector<ExplorerNode>> DroppedNodes(const QMimeData& data) {
    if (!data.hasFormat(QLatin1String(kDragDataType)))
        return std::nullopt;
    const QByteArray bytes = data.data(QLatin1String(kDragDataType));
    return DecodeDragData(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size())));
}

std::unique_ptr<QMimeData> FileListMimeData(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    const QList<QUrl> urls = FileUrls(paths);
    data->setUrls(urls);
    QByteArray gnome("copy");
    for (const QUrl& url : urls)
        gnome += '\n' + url.toEncoded();
    data->setData(QStringLiteral("x-special/gnome-copied-files"), gnome);
    return data;
}

QStringList FileListPaths(const QMimeData& data) {
    QStringList paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

} // namespace vantrel
