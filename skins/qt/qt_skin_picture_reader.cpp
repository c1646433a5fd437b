// Decoding a skin with Qt, refusing a JPEG cut short.
#include "skins/qt/qt_skin_picture_reader.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "platform/file_access_error.h"
#include "platform/regular_file.h"
#include "skins/jpeg_completeness.h"

std::optional<SkinPicture> QtSkinPictureReader::read(const std::string& path) {
    // The file's bytes by its own name: Qt's file names are UTF-16, and a folder whose name is no
    // UTF-8 could not be reached through them.
    RegularFile file;
    try {
        file = readRegularFile(path, kLargestSkinBytes);
    } catch (const FileAccessError&) {
        return std::nullopt;
    }
    QByteArray bytes(reinterpret_cast<const char*>(file.bytes.data()),
                     static_cast<qsizetype>(file.bytes.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    // Skins are often renamed by hand, so the content decides the format, not the name.
    reader.setDecideFormatFromContent(true);
    // Qt paints a JPEG cut short with grey and calls it a picture: not a skin to show.
    if (reader.format() == "jpeg" &&
        !isCompleteJpeg({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                         static_cast<std::size_t>(bytes.size())})) {
        return std::nullopt;
    }
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    SkinPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.pixels.reserve(static_cast<std::size_t>(picture.width) *
                           static_cast<std::size_t>(picture.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) picture.pixels.push_back(row[x] & 0xFFFFFFu);
    }
    return picture;
}
