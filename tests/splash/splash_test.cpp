// The splash window: what it shows, what dismisses it, and that it is gone before the main window
// starts up.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <functional>

#include "program_folder_fixture.h"
#include "splash_window.h"

namespace {
struct Trigger {
    const char* what;
    std::function<void(FrmSplash&)> act;
};

QWidget* part(FrmSplash& splash, const char* name) {
    return splash.findChild<QWidget*>(QString::fromLatin1(name));
}
void key(FrmSplash& splash, Qt::Key k) { QTest::keyClick(&splash, k); }
void click(FrmSplash& splash, const char* name, QPoint at = {}) {
    QWidget* target = part(splash, name);
    QTest::mouseClick(target, Qt::LeftButton, {}, at.isNull() ? target->rect().center() : at);
}

/** A shown splash whose dismissal is counted. */
struct ShownSplash {
    ShownSplash() {
        splash = new FrmSplash([this] { ++mainWindows; });
        splash->show();
    }
    ~ShownSplash() { delete splash.data(); }
    QPointer<FrmSplash> splash;
    int mainWindows = 0;
};
}  // namespace

TEST(Splash, ShowsItsControlsWhereTheyBelong) {
    ShownSplash shown;
    FrmSplash& splash = *shown.splash;
    EXPECT_EQ(part(splash, "client")->size(), QSize(380, 194));
    EXPECT_EQ(splash.windowType(), Qt::SplashScreen);  // no task-bar entry
    EXPECT_EQ(splash.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_EQ(part(splash, "Frame1")->geometry(), QRect(-8, -16, 400, 267));
    // The banner at its natural size fills the top of the window.
    EXPECT_EQ(part(splash, "Image1")->geometry(), QRect(8, 16, 380, 120));

    // Each label where the design puts it in the frame, sized to its text, and wholly visible.
    const std::pair<const char*, QPoint> labels[] = {{"lblCompanyProduct", {8, 136}},
                                                     {"lblProductName", {8, 160}},
                                                     {"lblVersion", {8, 184}},
                                                     {"lblWarning", {224, 192}}};
    for (const auto& [name, place] : labels) {
        const QWidget* label = part(splash, name);
        EXPECT_EQ(label->pos(), place) << name;
        EXPECT_EQ(label->size(), label->sizeHint()) << name;
        EXPECT_TRUE(part(splash, "client")->rect().contains(label->geometry().translated(-8, -16)))
            << name;
    }
}

TEST(Splash, ACharacterKeyOrAClickOnTheBannerOrBesideTheLabelsDismissesIt) {
    const Trigger triggers[] = {
        {"letter", [](FrmSplash& s) { key(s, Qt::Key_A); }},
        {"Enter", [](FrmSplash& s) { key(s, Qt::Key_Return); }},
        {"Escape", [](FrmSplash& s) { key(s, Qt::Key_Escape); }},
        {"Backspace", [](FrmSplash& s) { key(s, Qt::Key_Backspace); }},
        {"banner", [](FrmSplash& s) { click(s, "Image1"); }},
        {"frame beside the version",
         [](FrmSplash& s) {
             click(s, "Frame1", {150, 190});
         }},
    };
    for (const Trigger& trigger : triggers) {
        SCOPED_TRACE(trigger.what);
        ShownSplash shown;
        trigger.act(*shown.splash);
        EXPECT_EQ(shown.mainWindows, 1);
        EXPECT_FALSE(shown.splash->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(shown.splash.isNull());  // unloaded, not merely hidden
    }
}

TEST(Splash, KeysWithoutACharacterAndClicksOnTheLabelsLeaveItInPlace) {
    const Trigger others[] = {
        {"arrow", [](FrmSplash& s) { key(s, Qt::Key_Left); }},
        {"function key", [](FrmSplash& s) { key(s, Qt::Key_F1); }},
        {"Shift alone", [](FrmSplash& s) { key(s, Qt::Key_Shift); }},
        {"maker's name", [](FrmSplash& s) { click(s, "lblCompanyProduct"); }},
        {"product name", [](FrmSplash& s) { click(s, "lblProductName"); }},
        {"version", [](FrmSplash& s) { click(s, "lblVersion"); }},
        {"notice", [](FrmSplash& s) { click(s, "lblWarning"); }},
        {"right button on the banner",
         [](FrmSplash& s) { QTest::mouseClick(part(s, "Image1"), Qt::RightButton); }},
    };
    ShownSplash shown;
    for (const Trigger& other : others) {
        SCOPED_TRACE(other.what);
        other.act(*shown.splash);
        EXPECT_EQ(shown.mainWindows, 0);
        EXPECT_TRUE(shown.splash->isVisible());
    }
}

TEST(Splash, ClosingItSomeOtherWayDoesNotStartTheMainWindow) {
    ShownSplash shown;
    shown.splash->close();
    EXPECT_EQ(shown.mainWindows, 0);
    EXPECT_FALSE(shown.splash->isVisible());
}

// The main window's start-up messages come with the splash already gone.
class StartUpOrder : public ProgramFolderTest {};

namespace {
class SplashWatchingMessages : public FakeMessageBoxes {
public:
    MessageAnswer show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageAnswer defaultAnswer) override {
        splashVisible.push_back(splash && splash->isVisible());
        return FakeMessageBoxes::show(text, title, buttons, defaultAnswer);
    }
    QPointer<FrmSplash> splash;
    std::vector<bool> splashVisible;
};
}  // namespace

TEST_F(StartUpOrder, TheSplashIsGoneBeforeTheMainWindowChecksItsFiles) {
    QFile::remove(path("pk001.fsh"));
    SplashWatchingMessages messages;
    const MainWindowServices services{
        m_fake.dialogs,  messages,         m_fake.exit,     m_fake.starter,
        m_fake.location, m_fake.urlOpener, m_fake.registry, m_fake.fileExistence};
    std::unique_ptr<Form1> window;
    messages.splash = new FrmSplash([&] { window = std::make_unique<Form1>(services); });
    messages.splash->show();
    EXPECT_EQ(window, nullptr);  // nothing of the main window before the user answers

    QTest::keyClick(messages.splash.data(), Qt::Key_Space);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{std::string("PK001.FSH is missing or damaged !")});
    EXPECT_EQ(messages.splashVisible, std::vector<bool>{false});
    EXPECT_FALSE(window->isRunning());
    delete messages.splash.data();
}
