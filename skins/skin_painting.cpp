// Reading a skin picture and painting it on the main window.
#include "skins/skin_painting.h"

#include "platform/message_boxes.h"
#include "skins/skin_canvas.h"
#include "skins/skin_picture_reader.h"

namespace SkinPainting {

std::string unreadableMessage(const std::string& path) {
    return path + " is not a picture that can be shown as a skin";
}

bool paintSkinFile(const std::string& path, SkinPictureReader& reader, SkinCanvas& canvas,
                   MessageBoxes& messages) {
    const std::optional<SkinPicture> picture = reader.read(path);
    if (!picture) {
        messages.show(unreadableMessage(path), "Error");
        return false;
    }
    canvas.paintSkin(*picture);
    return true;
}

}  // namespace SkinPainting
