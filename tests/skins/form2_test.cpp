// Skin Select: the list, painting on every change of selection, the link, one window at a time.
#include "form2.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "program_folder_fixture.h"
#include "skin_test_support.h"
#include "web_addresses.h"

namespace {
const QPoint kTopLeft(2, 2);

QListWidget* file1(Form2& skinSelect) {
    return skinSelect.findChild<QListWidget*>(QStringLiteral("File1"));
}
QStringList listed(Form2& skinSelect) {
    QStringList names;
    for (int row = 0; row < file1(skinSelect)->count(); ++row) {
        names << file1(skinSelect)->item(row)->text();
    }
    return names;
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

TEST_F(Form2Test, ListsThePicturesIgnoringCasePaintsTheFirstAndFollowsTheArrowKeys) {
    writePicture(path("beta.jpg"), {50, 50}, Qt::green);
    writePicture(path("Zeta.jpg"), {50, 50}, Qt::magenta);
    writePicture(path("Alpha.JPG"), {50, 50}, Qt::cyan);
    writePicture(path("picture.png"), {50, 50}, Qt::yellow);
    const auto window = startWindow();
    window->show();

    Form2& skinSelect = loadSkin(*window);
    EXPECT_EQ(listed(skinSelect),
              (QStringList{QStringLiteral("Alpha.JPG"), QStringLiteral("beta.jpg"),
                           QStringLiteral("subzero.jpg"), QStringLiteral("Zeta.jpg")}));
    EXPECT_EQ(shownAt(*window), QColor(Qt::cyan).rgb());
    QTest::keyClick(file1(skinSelect), Qt::Key_Down);
    EXPECT_EQ(shownAt(*window), QColor(Qt::green).rgb());
    QTest::keyClick(file1(skinSelect), Qt::Key_Down);
    EXPECT_EQ(shownAt(*window), QImage(path("subzero.jpg")).pixel(kTopLeft));
    QTest::keyClick(file1(skinSelect), Qt::Key_Up);
    EXPECT_EQ(shownAt(*window), QColor(Qt::green).rgb());
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(Form2Test, AnEmptyPictureSaysItCannotBeFoundByItsFullNameAndPaintsNothing) {
    write(path("a.jpg"), {});
    const auto window = startWindow();
    const QRgb before = shownAt(*window);

    Form2& skinSelect = loadSkin(*window);
    ASSERT_EQ(m_fake.messages.shown.size(), 1u);
    EXPECT_EQ(m_fake.messages.shown[0].text, "Can't find " + native(path("a.jpg")));
    EXPECT_EQ(m_fake.messages.shown[0].title, "Error");
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

TEST_F(Form2Test, OnlyTheLinkOpensTheConverterPage) {
    const auto window = startWindow();
    Form2& skinSelect = loadSkin(*window);
    skinSelect.show();

    QTest::mouseClick(skinSelect.findChild<QLabel*>(QStringLiteral("Label2")), Qt::LeftButton);
    EXPECT_TRUE(m_fake.urlOpener.addresses.empty());
    QTest::mouseClick(skinSelect.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
    EXPECT_EQ(m_fake.urlOpener.addresses, std::vector<std::string>{WebAddresses::kConverterPage});
}
