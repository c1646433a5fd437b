// Encoding the painted pictures: baseline JPEG at one quality, so the bytes repeat exactly.
#include "picture_set.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <stdexcept>

#include "skin_art.h"

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

}  // namespace

std::map<QString, QByteArray> generate() {
    return {
        {QStringLiteral("subzero.jpg"), jpeg(SkinArt::subzero())},
        {QStringLiteral("glacier.jpg"), jpeg(SkinArt::glacier())},
        {QStringLiteral("frost.jpg"), jpeg(SkinArt::frost())},
        {QStringLiteral("splash/banner.jpg"), jpeg(SkinArt::banner())},
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
