#include "RemovableVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace vantrel {
namespace {

// The disk a device node belongs to: "/dev/sdb1" is on "sdb", "/dev/mmcblk0p1" on "mmcblk0".
// Resolved through /sys/class/block, where a partition's folder sits inside its disk's.
QString DiskOf(const QString& device, const QString& sysBlock) {
    const QString name = QFileInfo(device).fileName();
    if (QFileInfo::exists(sysBlock + u'/' + name))
        return name;
    const QFileInfo partition(QStringLiteral("/sys/class/block/") + name);
    if (!partition.exists())
        return {};
    return QFileInfo(partition.canonicalFilePath()).dir().dirName();
}

bool IsRemovable(const QString& disk, const QString& sysBlock) {
    QFile flag(sysBlock + u'/' + disk + QStringLiteral("/removable"));
    return flag.open(QIODevice::ReadOnly) && flag.read(1) == "1";
}

} // namespace

QStringList MountedRemovableVolumes(const QString& sysBlock) {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString device = QString::fromLocal8Bit(volume.device());
        if (!volume.isValid() || !volume.isReady() || volume.isRoot() ||
            !device.startsWith(QStringLiteral("/dev/")))
            continue;
        const QString disk = DiskOf(device, sysBlock);
        if (!disk.isEmpty() && IsRemovable(disk, sysBlock))
            roots << volume.rootPath();
    }
    return roots;
}

std::optional<QString> FindFlashCardFolder(const QString& name, const VolumeLister& volumes) {
    if (!volumes)
        return std::nullopt;
    for (const QString& root : volumes()) {
        const QString folder = QDir(root).filePath(name);
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return std::nullopt;
}

std::optional<QString> FirstRemovableVolume(const VolumeLister& volumes) {
    if (!volumes)
        return std::nullopt;
    const QStringList roots = volumes();
    if (roots.isEmpty())
        return std::nullopt;
    return roots.front();
}

} // namespace vantrel
