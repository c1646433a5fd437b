// Windows icon files (.ico) of the program's pictures: the executable's icon and the main window's.
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace IconFile {

/** One icon file holding each image, square and at most 256 pixels, as a PNG with transparency. */
QByteArray withPngImages(const std::vector<QImage>& images);

/**
 * A 32 x 32 icon in the sixteen classic colours, as windows of old had them: each pixel of image
 * becomes the nearest of those colours, or transparent where image is more than half transparent.
 */
QByteArray sixteenColours(const QImage& image);

}  // namespace IconFile
