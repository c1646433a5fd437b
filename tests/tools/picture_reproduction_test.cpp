// The committed skins and splash banner are exactly what the picture generator makes, and have
// the sizes the windows need.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "picture_set.h"

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
    const QSize client(461, 374);  // the main window's client area
    const struct {
        const char* name;
        bool covers;  // at least the whole client area
        bool inside;  // smaller both ways
    } skins[] = {
        {"subzero.jpg", true, false}, {"glacier.jpg", true, false}, {"frost.jpg", false, true}};
    for (const auto& skin : skins) {
        SCOPED_TRACE(skin.name);
        const QImage picture = QImage::fromData(committed(QString::fromLatin1(skin.name)), "JPG");
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width() >= client.width() && picture.height() >= client.height(),
                  skin.covers);
        EXPECT_EQ(picture.width() < client.width() && picture.height() < client.height(),
                  skin.inside);
    }
    EXPECT_GT(QImage(kResources + QStringLiteral("glacier.jpg")).width(), client.width());
    EXPECT_EQ(QImage(kResources + QStringLiteral("splash/banner.jpg")).size(), QSize(380, 120));
}
