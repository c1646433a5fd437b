// Loading a skin picture and painting it on the main window.
#include "skin_painting.h"

#include <QImage>
#include <QImageReader>

#include "message_boxes.h"
#include "skin_canvas.h"

namespace SkinPainting {

QString unreadableMessage(const QString& path) {
    return QStringLiteral("%1 is not a picture that can be shown as a skin").arg(path);
}

bool paintSkinFile(const QString& path, SkinCanvas& canvas, MessageBoxes& messages) {
    // Skins are often renamed by hand, so the content decides the format, not the name.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        messages.show(unreadableMessage(path).toLocal8Bit().toStdString(), "Error");
        return false;
    }
    canvas.paintSkin(picture);
    return true;
}

}  // namespace SkinPainting
