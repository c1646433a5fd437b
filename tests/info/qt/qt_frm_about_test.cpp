// The About window drawn by Qt: that it stands as its design table draws it, its keys, the etched
// separator, and the System Info button reaching the logic.
#include "info/qt/qt_frm_about.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <string_view>

#include "info/frm_about_design.h"
#include "platform/qt/qt_twips.h"
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

TEST_F(AboutWindow, StandsModelessAsItsDesignDrawsIt) {
    using namespace FrmAboutDesign;
    QtFrmAbout* window = openAbout();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmAbout"));
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QString::fromLatin1(kWindow.caption));
    EXPECT_EQ(window->geometry(),
              QtTwips::toRect(kClientLeftTwips, kClientTopTwips, kWindow.clientWidthTwips,
                              kWindow.clientHeightTwips));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowMaximizeButtonHint),
              Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->font().pointSizeF(), kWindow.fontPoints);

    QWidget* previousButton = nullptr;
    for (const Control& design : kControls) {
        SCOPED_TRACE(design.name);
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(design.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QtTwips::toRect(design.place));
        switch (design.kind) {
            case Kind::Button: {
                const auto* button = qobject_cast<QPushButton*>(widget);
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->text(), QString::fromLatin1(design.caption));
                const bool isDefault = std::string_view(design.name) == kDefaultButton;
                EXPECT_EQ(button->isDefault(), isDefault);
                EXPECT_EQ(button->hasFocus(), isDefault);
                // Tab goes from button to button in the table's order.
                if (previousButton) {
                    EXPECT_EQ(previousButton->nextInFocusChain(), button);
                }
                previousButton = widget;
                break;
            }
            case Kind::Picture: {
                // The logo is there and shows whole inside the box's sunken border.
                const auto* box = qobject_cast<QLabel*>(widget);
                ASSERT_NE(box, nullptr);
                EXPECT_FALSE(box->pixmap().isNull());
                EXPECT_LE(box->pixmap().width(), box->contentsRect().width());
                EXPECT_LE(box->pixmap().height(), box->contentsRect().height());
                EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
                break;
            }
            case Kind::Label: {
                const auto* label = qobject_cast<QLabel*>(widget);
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(label->text(), QString::fromLatin1(design.caption));
                EXPECT_TRUE(label->wordWrap());
                break;
            }
        }
    }
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
    // Each line of the table under its name and index, its end points as the layout scaler reads
    // them.
    QObject* grey = nullptr;
    for (const FrmAboutDesign::Line& design : FrmAboutDesign::kLines) {
        SCOPED_TRACE(design.index);
        QObject* line = nullptr;
        for (QWidget* found : window->findChildren<QWidget*>(QString::fromLatin1(design.name))) {
            if (found->property("index") == design.index) line = found;
        }
        ASSERT_NE(line, nullptr);
        for (const auto& [name, twips] : {std::pair{"X1", design.x1},
                                          {"Y1", design.y1},
                                          {"X2", design.x2},
                                          {"Y2", design.y2}}) {
            EXPECT_EQ(line->property(name), twips) << name;
        }
        const auto [red, green, blue] = design.colour;
        if (QColor(red, green, blue) == QColor(128, 128, 128)) grey = line;
    }
    ASSERT_NE(grey, nullptr);
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
