// Skin Select: the list, painting on every change of selection, the link, one window at a time.
#include "form2.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "program_folder_fixture.h"
#include "skin_test_support.h"
#include "web_addresses.h"

using SkinTestSupport::clientShot;
using SkinTestSupport::writePicture;

namespace {
const QPoint kTopLeft(2, 2);

QStringList listed(Form2& skinSelect) {
    QStringList names;
    const auto* list = skinSelect.findChild<QListWidget*>(QStringLiteral("File1"));
    for (int row = 0; row < list->count(); ++row) names << list->item(row)->text();
    return names;
}
QListWidget* file1(Form2& skinSelect) {
    return skinSelect.findChild<QListWidget*>(QStringLiteral("File1"));
}
}  // namespace

class Form2Test : public ProgramFolderTest {
protected:
    /** Chooses "Load Skin" and returns the Skin Select window it shows. */
    Form2& loadSkin(Form1& window) {
        window.LoadSkinMenu_Click();
        const QList<Form2*> open = window.findChildren<Form2*>();
        EXPECT_EQ(open.size(), 1);
        return *open.front();
    }
    QRgb shownAt(Form1& window, QPoint at = kTopLeft) { return clientShot(window).pixel(at); }
};

TEST_F(Form2Test, ListsThePicturesAlphabeticallyIgnoringCaseAndPaintsTheFirstAtOnce) {
    writePicture(path("beta.jpg"), {50, 50}, Qt::green);
    writePicture(path("Zeta.jpg"), {50, 50}, Qt::magenta);
    writePicture(path("Alpha.JPG"), {50, 50}, Qt::cyan);
    writePicture(path("picture.png"), {50, 50}, Qt::yellow);
    const auto window = startWindow();

    Form2& skinSelect = loadSkin(*window);
    EXPECT_EQ(listed(skinSelect),
              (QStringList{QStringLiteral("Alpha.JPG"), QStringLiteral("beta.jpg"),
                           QStringLiteral("subzero.jpg"), QStringLiteral("Zeta.jpg")}));
    EXPECT_EQ(file1(skinSelect)->currentRow(), 0);
    EXPECT_EQ(shownAt(*window), QColor(Qt::cyan).rgb());
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(Form2Test, ArrowKeysPaintEachSkinInTurn) {
    writePicture(path("a.jpg"), {50, 50}, Qt::cyan);
    writePicture(path("b.jpg"), {50, 50}, Qt::green);
    const auto window = startWindow();
    window->show();
    Form2& skinSelect = loadSkin(*window);

    QTest::keyClick(file1(skinSelect), Qt::Key_Down);
    EXPECT_EQ(shownAt(*window), QColor(Qt::green).rgb());
    QTest::keyClick(file1(skinSelect), Qt::Key_Down);  // subzero.jpg
    EXPECT_EQ(shownAt(*window), QImage(path("subzero.jpg")).pixel(kTopLeft));
    QTest::keyClick(file1(skinSelect), Qt::Key_Up);
    EXPECT_EQ(shownAt(*window), QColor(Qt::green).rgb());
}

TEST_F(Form2Test, AnEmptyPictureSaysItCannotBeFoundByItsFullNameAndPaintsNothing) {
    write(path("a.jpg"), {});
    const auto window = startWindow();
    const QRgb before = shownAt(*window);

    Form2& skinSelect = loadSkin(*window);
    ASSERT_EQ(m_fake.messages.shown.size(), 1u);
    EXPECT_EQ(m_fake.messages.shown[0].text, QStringLiteral("Can't find ") + path("a.jpg"));
    EXPECT_EQ(m_fake.messages.shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(shownAt(*window), before);
    EXPECT_EQ(file1(skinSelect)->currentRow(), 0);  // the selection stays
}

TEST_F(Form2Test, LoadSkinWhileOpenOnlyBringsItForwardAndAfterACloseStartsAfresh) {
    writePicture(path("a.jpg"), {50, 50}, Qt::cyan);
    const auto window = startWindow();
    Form2& first = loadSkin(*window);
    file1(first)->setCurrentRow(1);  // subzero.jpg
    const QRgb subzero = shownAt(*window);
    ASSERT_NE(subzero, QColor(Qt::cyan).rgb());

    Form2& again = loadSkin(*window);
    EXPECT_EQ(&again, &first);
    EXPECT_EQ(file1(again)->currentRow(), 1);
    EXPECT_EQ(shownAt(*window), subzero);

    first.close();
    Form2& reopened = loadSkin(*window);
    EXPECT_EQ(file1(reopened)->currentRow(), 0);
    EXPECT_EQ(shownAt(*window), QColor(Qt::cyan).rgb());
}

TEST_F(Form2Test, WithoutAnyPictureItOpensWithNothingSelectedAndPaintsNothing) {
    const auto window = startWindow();
    const QRgb before = shownAt(*window);
    QFile::remove(path("subzero.jpg"));

    Form2& skinSelect = loadSkin(*window);
    EXPECT_TRUE(listed(skinSelect).isEmpty());
    EXPECT_EQ(file1(skinSelect)->currentRow(), -1);
    EXPECT_EQ(shownAt(*window), before);
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(Form2Test, IsASmallFixedToolWindowWithALinkUnderTheList) {
    const auto window = startWindow();
    Form2& skinSelect = loadSkin(*window);
    EXPECT_EQ(skinSelect.windowTitle(), QStringLiteral("Skin Select"));
    EXPECT_EQ(skinSelect.windowType(), Qt::Tool);
    EXPECT_FALSE(skinSelect.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(skinSelect.minimumSize(), QSize(145, 93));
    EXPECT_EQ(skinSelect.maximumSize(), QSize(145, 93));
    EXPECT_EQ(file1(skinSelect)->geometry(), QRect(0, 0, 145, 45));

    const auto* link = skinSelect.findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(link->text(), QStringLiteral("Download more SKINS"));
    EXPECT_EQ(link->geometry(), QRect(8, 48, 129, 17));
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(link->font().underline());
    const auto* rest = skinSelect.findChild<QLabel*>(QStringLiteral("Label2"));
    EXPECT_EQ(rest->text(), QStringLiteral(" from the Vestrix's web page"));
    EXPECT_EQ(rest->geometry(), QRect(0, 64, 145, 33));
}

TEST_F(Form2Test, OnlyTheLinkOpensTheConverterPage) {
    const auto window = startWindow();
    Form2& skinSelect = loadSkin(*window);
    skinSelect.show();

    QTest::mouseClick(skinSelect.findChild<QLabel*>(QStringLiteral("Label2")), Qt::LeftButton);
    EXPECT_TRUE(m_fake.urlOpener.addresses.empty());
    QTest::mouseClick(skinSelect.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
    EXPECT_EQ(m_fake.urlOpener.addresses, std::vector<std::string>{WebAddresses::kConverterPage});
}
