// The main window's skins as Qt shows them: under the controls from the top-left corner, kept
// across repaints, pictures over pictures; and Qt's reader, which must refuse a JPEG cut short.
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>

#include "mainwindow/qt/picture_box.h"
#include "skins/qt/qt_skin_picture_reader.h"
#include "skins/qt/qt_skin_surface.h"
#include "skins/skin_painting.h"
#include "tests/skins/qt/skin_test_support.h"
#include "tests/support/qt/qt_window_fixture.h"

namespace {
// Places in the client area that no control covers.
const QPoint kTopLeft(2, 2);
const QPoint kTopMiddle(300, 10);
const QPoint kBottomRight(450, 365);
const QPoint kLastPixel(460, 373);

}  // namespace

class SkinPaintingTest : public QtWindowTest {};

TEST_F(SkinPaintingTest, DefaultSkinLiesUnderTheControlsFromTheTopLeftCorner) {
    const auto window = startWindow();
    window->show();
    EXPECT_TRUE(m_fake.messages.shown.empty());

    const QImage skin(QFile::decodeName(path("subzero.jpg").c_str()));
    ASSERT_GE(skin.width(), 461);
    ASSERT_GE(skin.height(), 374);
    const QImage shot = clientShot(*window);
    for (const QPoint at : {kTopLeft, kTopMiddle, kBottomRight, kLastPixel}) {
        EXPECT_EQ(shot.pixel(at), skin.pixel(at)) << at.x() << "," << at.y();
    }
    // The preview boxes stand in front of the skin.
    EXPECT_EQ(shot.pixel(20, 40), PictureBox::kBackground);
    // A repaint shows the same skin: it is kept, not painted once and lost.
    window->skinSurface().repaint();
    EXPECT_EQ(clientShot(*window), shot);
}

TEST_F(SkinPaintingTest, SmallerSkinOverALargerOneLeavesTheLargerOnesMarginsAndLargerIsCut) {
    const auto window = startWindow();
    const QColor blue(20, 40, 200);
    const QColor yellow(240, 220, 10);
    writePicture(path("large.jpg"), {600, 500}, blue, Qt::black);
    writePicture(path("small.jpg"), {100, 80}, yellow, Qt::red);

    for (const char* name : {"large.jpg", "small.jpg"}) {
        SkinPainting::paintSkinFile(path(name), m_skinReader, window->skinSurface(),
                                    m_fake.messages);
    }
    EXPECT_TRUE(m_fake.messages.shown.empty());

    const QImage shot = clientShot(*window);
    EXPECT_EQ(shot.pixel(kTopLeft), yellow.rgb());
    EXPECT_EQ(shot.pixel(99, 10), QColor(Qt::red).rgb());  // the small one at its own size
    EXPECT_EQ(shot.pixel(100, 10), blue.rgb());
    EXPECT_EQ(shot.pixel(2, 79), QColor(Qt::red).rgb());
    EXPECT_EQ(shot.pixel(kTopMiddle), blue.rgb());
    EXPECT_EQ(shot.pixel(kBottomRight), blue.rgb());
    // The large one's black edge lies beyond the window: cut off, not squeezed in.
    EXPECT_EQ(shot.pixel(kLastPixel), blue.rgb());
}

TEST(QtSkinPictureReader, GoesByTheContentAndRefusesWhatItCannotShowWhole) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("renamed.jpg"));
    writePicture(QFile::encodeName(png).toStdString(), {3, 2}, QColor(10, 20, 30),
                 QColor(200, 100, 50));
    QtSkinPictureReader reader;
    const std::optional<SkinPicture> picture = reader.read(QFile::encodeName(png).toStdString());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(picture->pixels, (std::vector<std::uint32_t>{0x0A141E, 0x0A141E, 0xC86432, 0xC86432,
                                                           0xC86432, 0xC86432}));

    QFile shipped(QStringLiteral(VESTRIX_SOURCE_DIR "/resources/frost.jpg"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    const struct {
        const char* what;
        QByteArray bytes;
        bool readable;
    } files[] = {{"whole", whole, true},
                 {"cut short", whole.left(whole.size() / 2), false},
                 {"not a picture", "SHPI", false},
                 {"empty", "", false}};
    for (const auto& f : files) {
        QFile file(dir.filePath(QStringLiteral("skin.jpg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(f.bytes);
        file.close();
        EXPECT_EQ(reader.read(QFile::encodeName(file.fileName()).toStdString()).has_value(),
                  f.readable)
            << f.what;
    }
    EXPECT_FALSE(
        reader.read(QFile::encodeName(dir.filePath(QStringLiteral("gone.jpg"))).toStdString()));

    // A program folder whose name is no UTF-8 (made on another system, say) is read by its bytes.
    const std::filesystem::path odd = QFile::encodeName(dir.path()).toStdString() + "/prog\xff";
    std::filesystem::create_directory(odd);
    std::filesystem::copy_file(QFile::encodeName(png).toStdString(), odd / "subzero.jpg");
    EXPECT_TRUE(reader.read((odd / "subzero.jpg").string()));
}
