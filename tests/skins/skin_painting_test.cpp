// The main window's skins: the default one at start-up, pictures over pictures, bad files.
#include "skin_painting.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include "picture_box.h"
#include "program_folder_fixture.h"
#include "skin_surface.h"
#include "skin_test_support.h"

namespace {
// Places in the client area that no control covers.
const QPoint kTopLeft(2, 2);
const QPoint kTopMiddle(300, 10);
const QPoint kBottomRight(450, 365);
const QPoint kLastPixel(460, 373);

QRgb plainBackground(Form1& window) {
    return window.skinSurface().palette().color(QPalette::Window).rgb();
}
}  // namespace

class SkinPaintingTest : public ProgramFolderTest {};

TEST_F(SkinPaintingTest, DefaultSkinLiesUnderTheControlsFromTheTopLeftCorner) {
    const auto window = startWindow();
    window->show();
    EXPECT_TRUE(m_fake.messages.shown.empty());

    const QImage skin(path("subzero.jpg"));
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

TEST_F(SkinPaintingTest, MissingOrEmptyDefaultSkinIsReportedAndTheToolCarriesOn) {
    for (const bool leaveEmpty : {false, true}) {
        SCOPED_TRACE(leaveEmpty ? "empty" : "absent");
        QFile::remove(path("subzero.jpg"));
        if (leaveEmpty) write(path("subzero.jpg"), {});
        m_fake.messages.shown.clear();

        const auto window = startWindow();
        ASSERT_EQ(m_fake.messages.texts(),
                  std::vector<std::string>{std::string("Can't find subzero.jpg")});
        EXPECT_EQ(m_fake.messages.shown[0].title, "Error");
        EXPECT_TRUE(window->isRunning());
        EXPECT_EQ(QFileInfo(path("subzero.jpg")).size(), 0);  // left behind, empty
        EXPECT_EQ(clientShot(*window).pixel(kTopLeft), plainBackground(*window));

        // Loading works as ever.
        m_fake.dialogs.openAnswers.push_back(native(putJersey("club.fsh")));
        window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
    }
}

TEST_F(SkinPaintingTest, DamagedDefaultSkinIsNamedAndLeavesThePlainBackground) {
    write(path("subzero.jpg"), QByteArray("\xFF\xD8\xFF\xE0 not really a picture", 26));
    const auto window = startWindow();

    ASSERT_EQ(m_fake.messages.shown.size(), 1u);
    EXPECT_EQ(m_fake.messages.shown[0].text,
              SkinPainting::unreadableMessage(m_dir.path() + QStringLiteral("/subzero.jpg"))
                  .toStdString());
    EXPECT_EQ(m_fake.messages.shown[0].title, "Error");
    EXPECT_TRUE(window->isRunning());
    EXPECT_EQ(clientShot(*window).pixel(kTopLeft), plainBackground(*window));
}

TEST_F(SkinPaintingTest, SmallerSkinOverALargerOneLeavesTheLargerOnesMarginsAndLargerIsCut) {
    const auto window = startWindow();
    const QColor blue(20, 40, 200);
    const QColor yellow(240, 220, 10);
    writePicture(path("large.jpg"), {600, 500}, blue, Qt::black);
    writePicture(path("small.jpg"), {100, 80}, yellow, Qt::red);

    SkinPainting::paintSkinFile(path("large.jpg"), window->skinSurface(), m_fake.messages);
    SkinPainting::paintSkinFile(path("small.jpg"), window->skinSurface(), m_fake.messages);
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
