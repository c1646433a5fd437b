// Skin Select drawn by Qt: its controls as its design table draws them, the keyboard at once, the
// link's clicks, one window at a time.
#include "skins/qt/qt_form2.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "info/web_addresses.h"
#include "platform/qt/qt_twips.h"
#include "skins/form2_design.h"
#include "tests/skins/qt/skin_test_support.h"
#include "tests/support/qt/qt_window_fixture.h"

namespace {
const QPoint kTopLeft(2, 2);

QListWidget* file1(QtForm2& skinSelect) {
    return skinSelect.findChild<QListWidget*>(QStringLiteral("File1"));
}
QStringList listed(QtForm2& skinSelect) {
    QStringList names;
    for (int row = 0; row < file1(skinSelect)->count(); ++row) {
        names << file1(skinSelect)->item(row)->text();
    }
    return names;
}
}  // namespace

class Form2Test : public QtWindowTest {
protected:
    /** Chooses "Load Skin" and returns the Skin Select window it shows. */
    QtForm2& loadSkin(QtForm1& window) {
        window.logic().LoadSkinMenu_Click();
        const QList<QtForm2*> open = window.findChildren<QtForm2*>();
        EXPECT_EQ(open.size(), 1);
        return *open.front();
    }
    QRgb shownAt(QtForm1& window, QPoint at = kTopLeft) { return clientShot(window).pixel(at); }
};

TEST_F(Form2Test, StandsWithItsControlsAndTakesTheKeyboardAtOnce) {
    writePicture(path("alpha.jpg"), {50, 50}, Qt::cyan);
    writePicture(path("beta.jpg"), {50, 50}, Qt::green);
    const auto window = startWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QtForm2& skinSelect = loadSkin(*window);
    using namespace Form2Design;
    EXPECT_EQ(skinSelect.windowTitle(), QString::fromLatin1(kCaption));
    EXPECT_EQ(skinSelect.windowType(), Qt::Tool);  // no task-bar entry
    EXPECT_EQ(skinSelect.size(),
              QtTwips::toRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());
    EXPECT_EQ(skinSelect.minimumSize(), skinSelect.maximumSize());
    for (const Control* control : kControls) {
        SCOPED_TRACE(control->name);
        auto* widget = skinSelect.findChild<QWidget*>(QString::fromLatin1(control->name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QtTwips::toRect(control->place));
        if (control->kind == Kind::List) continue;
        EXPECT_EQ(widget->property("text").toString(), QString::fromLatin1(control->caption));
        EXPECT_EQ(widget->font().family(), QString::fromLatin1(kFontFace));
        // The link reads as one: blue and underlined.
        const bool link = control->kind == Kind::Link;
        EXPECT_EQ(widget->font().underline(), link);
        EXPECT_EQ(widget->palette().color(QPalette::WindowText) ==
                      QColor(kLinkColour.red, kLinkColour.green, kLinkColour.blue),
                  link);
    }
    EXPECT_EQ(listed(skinSelect),
              (QStringList{QStringLiteral("alpha.jpg"), QStringLiteral("beta.jpg"),
                           QStringLiteral("subzero.jpg")}));
    EXPECT_EQ(shownAt(*window), QColor(Qt::cyan).rgb());

    // The keys go wherever the keyboard is: it must be the list, without a click into it.
    // (A tool window counts as active for Qt's window test while its main window is.)
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &skinSelect; }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(shownAt(*window), QColor(Qt::green).rgb());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(shownAt(*window), QColor(Qt::cyan).rgb());
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(Form2Test, LoadSkinWhileOpenOnlyBringsItForwardAndAfterACloseStartsAfresh) {
    writePicture(path("a.jpg"), {50, 50}, Qt::cyan);
    const auto window = startWindow();
    QtForm2& first = loadSkin(*window);
    file1(first)->setCurrentRow(1);  // subzero.jpg
    const QRgb subzero = shownAt(*window);
    ASSERT_NE(subzero, QColor(Qt::cyan).rgb());

    QtForm2& again = loadSkin(*window);
    EXPECT_EQ(&again, &first);
    EXPECT_EQ(file1(again)->currentRow(), 1);
    EXPECT_EQ(shownAt(*window), subzero);

    first.close();
    QtForm2& reopened = loadSkin(*window);
    EXPECT_EQ(file1(reopened)->currentRow(), 0);
    EXPECT_EQ(shownAt(*window), QColor(Qt::cyan).rgb());
}

TEST_F(Form2Test, OnlyAClickOnTheLinkOpensTheConverterPage) {
    const auto window = startWindow();
    QtForm2& skinSelect = loadSkin(*window);
    auto* link = skinSelect.findChild<QLabel*>(QStringLiteral("Label1"));

    QTest::mouseClick(skinSelect.findChild<QLabel*>(QStringLiteral("Label2")), Qt::LeftButton);
    QTest::mouseClick(link, Qt::RightButton);
    // Pressed on the link, let go beside it: no click.
    QTest::mousePress(link, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(link, Qt::LeftButton, {}, {5, link->height() + 10});
    EXPECT_TRUE(m_fake.urlOpener.addresses.empty());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(m_fake.urlOpener.addresses, std::vector<std::string>{WebAddresses::kConverterPage});
}
