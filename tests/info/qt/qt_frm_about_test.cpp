// The About window drawn by Qt: its controls in place, its keys, the etched separator, and the
// System Info button reaching the logic.
#include "info/qt/qt_frm_about.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "tests/platform/fake_system_info_tool.h"

namespace {
// A dialog counts as active for QWindow while its main window is: ask the application.
bool becomesActive(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}
}  // namespace

class AboutWindow : public ::testing::Test {
protected:
    /** Shown over a main window of its own, as the Help menu shows it. */
    QtFrmAbout* openAbout() {
        m_main.show();
        auto* window = new QtFrmAbout({m_tool}, &m_main);
        window->show();
        EXPECT_TRUE(becomesActive(window));
        return window;
    }
    QWidget m_main;
    FakeSystemInfoTool m_tool;
};

TEST_F(AboutWindow, StandsModelessWithItsControlsInPlace) {
    QtFrmAbout* window = openAbout();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmAbout"));
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("About The Vestrix"));
    EXPECT_EQ(window->geometry(), QRect(156, 129, 382, 237));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowMaximizeButtonHint),
              Qt::WindowCloseButtonHint);

    // Pixels at fifteen twips each; pictures hold their logo in a two-pixel border.
    const std::tuple<const char*, QString, QRect> controls[] = {
        {"cmdOK", QStringLiteral("OK"), {283, 175, 84, 23}},
        {"picIcon", {}, {8, 16, 36, 36}},
        {"cmdSysInfo", QStringLiteral("&System Info..."), {284, 205, 83, 23}},
        {"lblDescription",
         QStringLiteral("It will create a FIFA2000 jersey file from an old FIFA99 file. great for "
                        "your fifa needs :)"),
         {70, 64, 259, 30}},
        {"lblDisclaimer", {}, {17, 175, 258, 55}},
        {"lblTitle", QStringLiteral("Vestrix"), {70, 16, 259, 16}},
        {"lblVersion", QStringLiteral("Version 1.2"), {70, 40, 259, 15}},
        {"Label1", {}, {8, 104, 81, 57}},
        {"Label2",
         QStringLiteral("CODE                 IDEA,  GRAPHICS   GRAPHICS            MISC ART"),
         {96, 104, 97, 57}},
        {"Label3", {}, {208, 112, 158, 45}},
        {"Picture1", {}, {8, 56, 37, 37}},
    };
    for (const auto& [name, text, geometry] : controls) {
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->geometry(), geometry) << name;
        if (!text.isEmpty()) {
            EXPECT_EQ(widget->property("text").toString(), text) << name;
        }
    }
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().size(),
              QSize(32, 32));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().size(),
              QSize(33, 33));
}

TEST_F(AboutWindow, EnterAndEscapeCloseItThroughOK) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QPointer<QtFrmAbout> window = openAbout();
        ASSERT_TRUE(window);
        int clicks = 0;
        QObject::connect(window->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                         &QPushButton::clicked, window, [&] { ++clicks; });
        QTest::keyClick(window, key);
        EXPECT_EQ(clicks, 1) << key;
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); })) << key << " unloads it";
    }
}

TEST_F(AboutWindow, TheSeparatorIsEtchedAndItsLinesMoveThroughTheirProperties) {
    QtFrmAbout* window = openAbout();
    // Grey on pixel row 163, white on the two rows below it, across the window.
    const QImage shot = window->grab().toImage();
    for (const int x : {7, 190, 376}) {
        EXPECT_EQ(shot.pixelColor(x, 163), QColor(128, 128, 128)) << x;
        EXPECT_EQ(shot.pixelColor(x, 164), QColor(Qt::white)) << x;
        EXPECT_EQ(shot.pixelColor(x, 165), QColor(Qt::white)) << x;
    }
    QObject* grey = nullptr;
    for (QWidget* line : window->findChildren<QWidget*>(QStringLiteral("Line1"))) {
        if (line->property("index") == 1) grey = line;
    }
    ASSERT_NE(grey, nullptr);
    for (const auto& [name, twips] :
         {std::pair{"X1", 90}, {"Y1", 2445}, {"X2", 5654}, {"Y2", 2445}}) {
        EXPECT_EQ(grey->property(name), twips) << name;
    }
    ASSERT_TRUE(grey->setProperty("Y1", 1500) && grey->setProperty("Y2", 1500));
    const QImage moved = window->grab().toImage();
    EXPECT_EQ(moved.pixelColor(190, 100), QColor(128, 128, 128));
    EXPECT_NE(moved.pixelColor(190, 163), QColor(128, 128, 128));
}

TEST_F(AboutWindow, TheSystemInfoButtonAndAltSReachTheLogic) {
    QtFrmAbout* window = openAbout();
    window->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    EXPECT_EQ(m_tool.starts, 1);

    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    // A mnemonic shows the button pressed for a moment before it clicks.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_tool.starts == 2; }));
    EXPECT_TRUE(window->isVisible()) << "the window stays open";
}
