// The splash window drawn by Qt: what it shows, which keys and clicks reach its logic, that it is
// gone before the main window starts up, and that closing it ends the program.
#include "info/qt/qt_frm_splash.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <functional>

#include "info/frm_splash_design.h"
#include "platform/common/immediate_exit.h"
#include "platform/qt/qt_twips.h"
#include "tests/platform/fake_program_exit.h"

namespace {
struct Trigger {
    const char* what;
    std::function<void(QtFrmSplash&)> act;
};

QWidget* part(QtFrmSplash& splash, const char* name) {
    return splash.findChild<QWidget*>(QString::fromLatin1(name));
}
void key(QtFrmSplash& splash, Qt::Key k) { QTest::keyClick(&splash, k); }
void click(QtFrmSplash& splash, const char* name, QPoint at = {}) {
    QWidget* target = part(splash, name);
    QTest::mouseClick(target, Qt::LeftButton, {}, at.isNull() ? target->rect().center() : at);
}

/** A shown splash whose dismissal is counted, with whether it was still visible then. */
struct ShownSplash {
    ShownSplash() {
        splash = new QtFrmSplash(exit, [this] {
            ++mainWindows;
            visibleAtMainWindow = splash && splash->isVisible();
        });
        splash->show();
    }
    ~ShownSplash() { delete splash.data(); }
    FakeProgramExit exit;
    QPointer<QtFrmSplash> splash;
    int mainWindows = 0;
    bool visibleAtMainWindow = true;
};
}  // namespace

TEST(Splash, StandsAsItsDesignDrawsIt) {
    using namespace FrmSplashDesign;
    ShownSplash shown;
    QtFrmSplash& splash = *shown.splash;
    const QWidget* client = part(splash, "client");
    EXPECT_EQ(client->size(), QtTwips::toRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());
    EXPECT_EQ(splash.windowType(), Qt::SplashScreen);  // no task-bar entry
    EXPECT_EQ(splash.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_EQ(part(splash, kFrame1Name)->geometry(), QtTwips::toRect(kFrame1));
    // The banner at its natural size fills the top of the window.
    EXPECT_EQ(part(splash, kImage1Name)->geometry(),
              QRect(QtTwips::toRect(kImage1Left, kImage1Top, 0, 0).topLeft(), QSize(380, 120)));

    // Each label where the design puts it in the frame, sized to its text, and wholly visible.
    const QPoint frameInClient = part(splash, kFrame1Name)->pos();
    for (const Label& design : kLabels) {
        SCOPED_TRACE(design.name);
        const auto* label = static_cast<QLabel*>(part(splash, design.name));
        EXPECT_EQ(label->text(), QString::fromLatin1(design.text));
        EXPECT_EQ(label->geometry(), QRect(QtTwips::toRect(design.left, design.top, 0, 0).topLeft(),
                                           label->sizeHint()));
        EXPECT_EQ(label->font().family(), QString::fromLatin1(kLabelFace));
        EXPECT_EQ(label->font().pointSizeF(), design.points);
        EXPECT_EQ(label->font().bold(), design.bold);
        EXPECT_EQ(bool(label->alignment() & Qt::AlignRight), design.rightAligned);
        EXPECT_TRUE(client->rect().contains(label->geometry().translated(frameInClient)));
    }
}

TEST(Splash, ACharacterKeyOrAClickOnTheBannerOrBesideTheLabelsDismissesIt) {
    const Trigger triggers[] = {
        {"letter", [](QtFrmSplash& s) { key(s, Qt::Key_A); }},
        {"Enter", [](QtFrmSplash& s) { key(s, Qt::Key_Return); }},
        {"Escape", [](QtFrmSplash& s) { key(s, Qt::Key_Escape); }},
        {"Backspace", [](QtFrmSplash& s) { key(s, Qt::Key_Backspace); }},
        {"banner", [](QtFrmSplash& s) { click(s, "Image1"); }},
        {"frame beside the version",
         [](QtFrmSplash& s) {
             click(s, "Frame1", {150, 190});
         }},
    };
    for (const Trigger& trigger : triggers) {
        SCOPED_TRACE(trigger.what);
        ShownSplash shown;
        trigger.act(*shown.splash);
        EXPECT_EQ(shown.mainWindows, 1);
        EXPECT_FALSE(shown.visibleAtMainWindow) << "gone before the main window starts up";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(shown.splash.isNull());  // unloaded, not merely hidden
    }
}

TEST(Splash, KeysWithoutACharacterAndClicksOnTheLabelsLeaveItInPlace) {
    const Trigger others[] = {
        {"arrow", [](QtFrmSplash& s) { key(s, Qt::Key_Left); }},
        {"function key", [](QtFrmSplash& s) { key(s, Qt::Key_F1); }},
        {"Shift alone", [](QtFrmSplash& s) { key(s, Qt::Key_Shift); }},
        {"maker's name", [](QtFrmSplash& s) { click(s, "lblCompanyProduct"); }},
        {"product name", [](QtFrmSplash& s) { click(s, "lblProductName"); }},
        {"version", [](QtFrmSplash& s) { click(s, "lblVersion"); }},
        {"notice", [](QtFrmSplash& s) { click(s, "lblWarning"); }},
        {"right button on the banner",
         [](QtFrmSplash& s) { QTest::mouseClick(part(s, "Image1"), Qt::RightButton); }},
        {"banner pressed, let go beside it",
         [](QtFrmSplash& s) {
             QTest::mousePress(part(s, "Image1"), Qt::LeftButton, {}, {10, 10});
             QTest::mouseRelease(part(s, "Image1"), Qt::LeftButton, {}, {10, 130});
         }},
    };
    ShownSplash shown;
    for (const Trigger& other : others) {
        SCOPED_TRACE(other.what);
        other.act(*shown.splash);
        EXPECT_EQ(shown.mainWindows, 0);
        EXPECT_TRUE(shown.splash->isVisible());
    }
}

TEST(Splash, ClosingItSomeOtherWayEndsTheProgram) {
    ShownSplash shown;
    shown.splash->close();  // what Alt+F4 or the window manager's close asks for
    EXPECT_EQ(shown.mainWindows, 0);
    EXPECT_EQ(shown.exit.statuses, std::vector<int>{0});
}

TEST(SplashDeathTest, ClosingItEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ImmediateExit exit;
            auto* splash = new QtFrmSplash(exit, [] {});
            splash->show();
            splash->close();
            std::_Exit(3);  // still running: the program would linger without a window
        },
        ::testing::ExitedWithCode(0), "");
}
