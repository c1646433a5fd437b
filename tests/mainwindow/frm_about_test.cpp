// The About window as the user meets it from the Help menu: one window, its controls, its keys,
// the etched separator and the System Info button.
#include "frm_about.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "program_folder_fixture.h"

namespace {
// A dialog counts as active for QWindow while its main window is: ask the application.
bool becomesActive(QWidget* window, bool activate = true) {
    if (activate) window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}
}  // namespace

class AboutWindow : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        m_window = startWindow();
        m_window->show();
    }
    /** The user goes to the main window and presses Ctrl+A; the About window comes forward. */
    FrmAbout* openAbout() {
        EXPECT_TRUE(becomesActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_A, Qt::ControlModifier);
        auto* window = m_window->findChild<FrmAbout*>(QStringLiteral("frmAbout"));
        EXPECT_TRUE(window && becomesActive(window, false)) << "brought forward";
        return window;
    }
    std::unique_ptr<Form1> m_window;
};

TEST_F(AboutWindow, OpensOnceModelessWithItsControlsInPlace) {
    FrmAbout* window = openAbout();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(openAbout(), window);
    EXPECT_EQ(m_window->findChildren<FrmAbout*>().size(), 1);
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
        QPointer<FrmAbout> window = openAbout();
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
    FrmAbout* window = openAbout();
    ASSERT_NE(window, nullptr);
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

TEST_F(AboutWindow, SystemInfoStartsTheRegisteredToolOrSaysItIsUnavailable) {
    FrmAbout* window = openAbout();
    ASSERT_NE(window, nullptr);
    window->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    EXPECT_TRUE(m_fake.started.empty());
    ASSERT_EQ(m_fake.messages.shown.size(), 1u);
    EXPECT_EQ(m_fake.messages.shown[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(m_fake.messages.shown[0].title, "Vestrix");

    m_fake.registry.set(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                        "PATH", RegistryType::kString, std::string("/usr/bin/hardinfo", 18));
    ASSERT_TRUE(becomesActive(window));
    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    // A mnemonic shows the button pressed for a moment before it clicks.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_fake.started.empty(); }));
    EXPECT_EQ(m_fake.started, CallLog{"start /usr/bin/hardinfo"});
    EXPECT_TRUE(window->isVisible()) << "the window stays open";
}
