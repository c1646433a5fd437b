// The committed skins, splash banner, icons and installer picture are exactly what the picture
// generator makes, and the skins and banner have the sizes the windows need.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "tools/picture_set.h"

namespace {
const QString kResources = QStringLiteral(VESTRIX_SOURCE_DIR "/resources/");

QByteArray committed(const QString& name) {
    QFile file(kResources + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

TEST(GeneratedPictures, GeneratorReproducesTheCommittedPicturesByteForByte) {
    const std::map<QString, QByteArray> generated = PictureSet::generate();
    for (const auto& [name, bytes] : generated) {
        EXPECT_TRUE(bytes == committed(name))
            << name.toStdString() << " differs; run the regenerate_pictures target";
    }
    // No skin in resources/ that the generator does not make.
    const QStringList shipped = QDir(kResources).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    for (const QString& name : shipped) EXPECT_TRUE(generated.count(name)) << name.toStdString();
}

TEST(GeneratedPictures, SkinsCoverTheWindowOrLeaveMarginsAndTheBannerFitsTheSplash) {
    // The main window's client area is 461 x 374: the default skin covers it exactly, one skin
    // is larger (cut off), one smaller (the skin before it shows at the edges).
    const std::pair<const char*, QSize> sizes[] = {{"subzero.jpg", {461, 374}},
                                                   {"glacier.jpg", {560, 440}},
                                                   {"frost.jpg", {320, 240}},
                                                   {"splash/banner.jpg", {380, 120}}};
    for (const auto& [name, size] : sizes) {
        EXPECT_EQ(QImage::fromData(committed(QString::fromLatin1(name)), "JPG").size(), size)
            << name;
    }
}
