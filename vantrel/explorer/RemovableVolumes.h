#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vantrel {

// Lists the root folders of the mounted removable volumes, in mount order.
using VolumeLister = std::function<QStringList()>;

// The mounted volumes whose block device says it is removable (/sys/block/DEV/removable is 1,
// DEV being the disk of the mounted device or partition). `sysBlock` is the folder that holds
// the block devices' descriptions.
QStringList MountedRemovableVolumes(const QString& sysBlock = QStringLiteral("/sys/block"));

// The first removable volume that holds a folder `name` (for example "My Documents"): that
// folder's path. None when no volume holds one.
std::optional<QString> FindFlashCardFolder(const QString& name, const VolumeLister& volumes);

// The first removable volume, which stands for the floppy disk "A:"; none when none is mounted.
std::optional<QString> FirstRemovableVolume(const VolumeLister& volumes);

} // namespace vantrel
