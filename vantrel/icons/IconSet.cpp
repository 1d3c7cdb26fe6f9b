#include "IconSet.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace vantrel {
namespace {

constexpr std::array<const char*, kTreeImageCount> kTreeImageNames{"recorder-connected",
                                                                   "folder",
                                                                   "navpoints",
                                                                   "igc-log",
                                                                   "task",
                                                                   "airspace",
                                                                   "workspace",
                                                                   "recorder-disconnected",
                                                                   "folder-open",
                                                                   "flash-card",
                                                                   "stored-log",
                                                                   "log-on-pc"};

QString ResourcePath(const QString& name) {
    return QStringLiteral(":/icons/svg/") + name + QStringLiteral(".svg");
}

} // namespace

QPixmap RenderImage(const QString& name, QSize size) {
    QSvgRenderer renderer(ResourcePath(name));
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pixmap;
}

QIcon ImageIcon(const QString& name) {
    QIcon icon;
    icon.addPixmap(RenderImage(name, kImageSize));
    icon.addPixmap(RenderImage(name, kImageSize * 2));
    return icon;
}

std::array<QIcon, kTreeImageCount> TreeImages() {
    std::array<QIcon, kTreeImageCount> images;
    for (int i = 0; i < kTreeImageCount; ++i)
        images[static_cast<std::size_t>(i)] =
            ImageIcon(QLatin1String(kTreeImageNames[static_cast<std::size_t>(i)]));
    return images;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64, 128})
        icon.addPixmap(RenderImage(QStringLiteral("application"), QSize(side, side)));
    return icon;
}

} // namespace vantrel
