#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <array>

namespace vantrel {

// Size of a tree image and of a toolbar button image.
inline constexpr QSize kImageSize{16, 15};

// The twelve images of the explorer trees, by their numbers.
enum TreeImage : int {
    kRecorderConnectedImage = 0,
    kFolderImage = 1,
    kNavpointsImage = 2,
    kIgcLogImage = 3,
    kTaskImage = 4,
    kAirspaceImage = 5,
    kWorkspaceImage = 6,
    kRecorderNotConnectedImage = 7,
    kOpenFolderImage = 8,
    kFlashCardImage = 9,
    kStoredLogImage = 10,
    kLogOnPcImage = 11,
    kTreeImageCount = 12
};

// A picture of one of the program's SVG drawings (":/icons/svg/NAME.svg") at a size; a null
// pixmap when there is no such drawing.
QPixmap RenderImage(const QString& name, QSize size);

// An icon of one drawing at the button size and at twice that, for dense screens.
QIcon ImageIcon(const QString& name);

// The tree image list, in image-number order.
std::array<QIcon, kTreeImageCount> TreeImages();

// The program's own icon at the usual sizes of a desktop icon.
QIcon ApplicationIcon();

} // namespace vantrel
