// The one way a skin file reaches the main window, for the default skin and Skin Select alike.
#pragma once

#include <QString>

class MessageBoxes;
class SkinCanvas;

namespace SkinPainting {

/** The text shown when path holds something that is not a picture we can read. */
QString unreadableMessage(const QString& path);

/**
 * Loads the picture in path (JPEG, or any other format the picture loader knows by its content)
 * and paints it on canvas. A file that is not a readable picture is reported in a message box
 * titled "Error", and the background stays as it was. True when it painted.
 */
bool paintSkinFile(const QString& path, SkinCanvas& canvas, MessageBoxes& messages);

}  // namespace SkinPainting
