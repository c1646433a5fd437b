// The one way a skin file reaches the main window, for the default skin and Skin Select alike.
#pragma once

#include <string>

class MessageBoxes;
class SkinCanvas;
class SkinPictureReader;

namespace SkinPainting {

/** The text shown when path holds something that is not a picture we can show. */
std::string unreadableMessage(const std::string& path);

/**
 * Reads the picture in path and paints it on canvas. A file that is not a readable picture (one
 * cut short included) is reported in a message box titled "Error", and the background stays as
 * it was. True when it painted.
 */
bool paintSkinFile(const std::string& path, SkinPictureReader& reader, SkinCanvas& canvas,
                   MessageBoxes& messages);

}  // namespace SkinPainting
