// Encoding the painted pictures: baseline JPEG at one quality, so the bytes repeat exactly.
#include "tools/picture_set.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <stdexcept>

#include "tools/app_icon.h"
#include "tools/icon_file.h"
#include "tools/skin_art.h"

namespace PictureSet {
namespace {

constexpr int kQuality = 90;

QByteArray jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kQuality);
    if (!writer.write(image)) {
        throw std::runtime_error("JPEG encoding failed: " + writer.errorString().toStdString());
    }
    return bytes;
}

/** A 24-bit Windows bitmap, the only kind the installer's pages take. */
QByteArray bmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) {
        throw std::runtime_error("BMP encoding failed");
    }
    return bytes;
}

/** The side picture of the installer's first and last pages, 164 x 314: the default skin's left
 *  part with the program's icon. */
QImage installerSide() {
    QImage side = SkinArt::subzero().copy(0, 0, 164, 314);
    QPainter painter(&side);
    painter.drawImage(QPoint(34, 48), AppIcon::draw(96));
    return side;
}

}  // namespace

std::map<QString, QByteArray> generate() {
    return {
        {QStringLiteral("subzero.jpg"), jpeg(SkinArt::subzero())},
        {QStringLiteral("glacier.jpg"), jpeg(SkinArt::glacier())},
        {QStringLiteral("frost.jpg"), jpeg(SkinArt::frost())},
        {QStringLiteral("splash/banner.jpg"), jpeg(SkinArt::banner())},
        // The Windows program's icon, at the sizes Explorer and the task bar ask for, and the
        // main window's own in sixteen colours.
        {QStringLiteral("pictures/vestrix.ico"),
         IconFile::withPngImages({AppIcon::draw(16), AppIcon::draw(24), AppIcon::draw(32),
                                  AppIcon::draw(48), AppIcon::draw(256)})},
        {QStringLiteral("pictures/form1.ico"), IconFile::sixteenColours(AppIcon::draw(32))},
        {QStringLiteral("pictures/installer.bmp"), bmp(installerSide())},
    };
}

void write(const QString& folder) {
    for (const auto& [name, bytes] : generate()) {
        const QString path = QDir(folder).filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size() || !file.flush()) {
            throw std::runtime_error("cannot write " + path.toStdString());
        }
    }
}

}  // namespace PictureSet
