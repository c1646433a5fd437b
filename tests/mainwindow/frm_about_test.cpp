// The About window as the user meets it from the Help menu: one window, its controls, its keys,
// the etched separator and the System Info button.
#include "frm_about.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "program_folder_fixture.h"

namespace {
// A dialog counts as active for QWindow while its main window is: ask the application.
bool becomesActive(QWidget* window) {
    window->activateWindow();
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
    FrmAbout* about() const { return m_window->findChild<FrmAbout*>(QStringLiteral("frmAbout")); }
    /** The user goes to the main window and presses Ctrl+A; the About window comes forward. */
    FrmAbout* openAbout() {
        EXPECT_TRUE(becomesActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_A, Qt::ControlModifier);
        FrmAbout* window = about();
        if (window) {
            EXPECT_TRUE(
                QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
        }
        return window;
    }
    std::unique_ptr<Form1> m_window;
};

TEST_F(AboutWindow, OpensOnceModelessWithItsControlsInPlace) {
    FrmAbout* window = openAbout();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(openAbout(), window) << "a second Ctrl+A brings the same window forward";
    EXPECT_EQ(m_window->findChildren<FrmAbout*>().size(), 1);
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("About The Vestrix"));
    EXPECT_EQ(window->geometry(), QRect(156, 129, 382, 237));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    // Pixels at fifteen twips each; pictures hold their logo in a two-pixel border.
    const struct {
        const char* name;
        QString text;
        QRect geometry;
    } controls[] = {
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
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.geometry);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), c.text);
        } else if (!c.text.isEmpty()) {
            EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), c.text);
        }
    }
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_TRUE(ok->hasFocus());
    // Our logos, as the resource generator drew them.
    for (const auto& [name, file] :
         {std::pair{"picIcon", "logo32.bmp"}, {"Picture1", "logo33.bmp"}}) {
        const QImage shown =
            window->findChild<QLabel*>(QString::fromLatin1(name))->pixmap().toImage();
        const QImage drawn(QStringLiteral(VESTRIX_SOURCE_DIR "/resources/pictures/") +
                           QString::fromLatin1(file));
        EXPECT_FALSE(drawn.isNull()) << file;
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                  drawn.convertToFormat(QImage::Format_RGB32))
            << name;
    }
    EXPECT_TRUE(m_window->isEnabled()) << "the main window stays usable";
}

TEST_F(AboutWindow, EnterAndEscapeCloseItThroughOK) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        QPointer<FrmAbout> window = openAbout();
        ASSERT_TRUE(window);
        int clicks = 0;
        QObject::connect(window->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                         &QPushButton::clicked, window, [&] { ++clicks; });
        QTest::keyClick(window, key);
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); })) << "unloaded";
    }
    EXPECT_NE(openAbout(), nullptr) << "and opens anew";
}

TEST_F(AboutWindow, TheSeparatorIsEtchedAndItsLinesMoveThroughTheirProperties) {
    FrmAbout* window = openAbout();
    ASSERT_NE(window, nullptr);
    const QImage shot = window->grab().toImage();
    // Grey on pixel row 163, white on the two rows below it, from the left edge to the right.
    for (const int x : {8, 190, 376}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(shot.pixelColor(x, 163), QColor(128, 128, 128));
        EXPECT_EQ(shot.pixelColor(x, 164), QColor(Qt::white));
        EXPECT_EQ(shot.pixelColor(x, 165), QColor(Qt::white));
    }

    QObject* grey = nullptr;
    for (QWidget* line : window->findChildren<QWidget*>(QStringLiteral("Line1"))) {
        if (line->property("index").toInt() == 1) grey = line;
    }
    ASSERT_NE(grey, nullptr);
    EXPECT_EQ(grey->property("X1").toInt(), 90);
    EXPECT_EQ(grey->property("Y1").toInt(), 2445);
    EXPECT_EQ(grey->property("X2").toInt(), 5654);
    EXPECT_EQ(grey->property("Y2").toInt(), 2445);
    ASSERT_TRUE(grey->setProperty("Y1", 1500));
    ASSERT_TRUE(grey->setProperty("Y2", 1500));
    const QImage moved = window->grab().toImage();
    EXPECT_EQ(moved.pixelColor(190, 100), QColor(128, 128, 128));
    EXPECT_NE(moved.pixelColor(190, 163), QColor(128, 128, 128));
}

TEST_F(AboutWindow, SystemInfoStartsTheRegisteredToolOrSaysItIsUnavailable) {
    FrmAbout* window = openAbout();
    ASSERT_NE(window, nullptr);
    auto* sysInfo = window->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    sysInfo->click();
    EXPECT_TRUE(m_fake.starter.commandLines.empty());
    ASSERT_EQ(m_fake.messages.shown.size(), 1u);
    EXPECT_EQ(m_fake.messages.shown[0].text,
              QStringLiteral("System Information Is Unavailable At This Time"));
    EXPECT_EQ(m_fake.messages.shown[0].title, QStringLiteral("Vestrix"));
    EXPECT_EQ(m_fake.messages.shown[0].buttons, MessageButtons::Ok);

    m_fake.registry.setString(RegistryRoot::LocalMachine,
                              "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                              "/usr/bin/hardinfo");
    ASSERT_TRUE(becomesActive(window));
    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    // A mnemonic shows the button pressed for a moment before it clicks.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_fake.starter.commandLines.empty(); }));
    EXPECT_EQ(m_fake.starter.commandLines, std::vector<std::string>{"/usr/bin/hardinfo"});
    EXPECT_EQ(m_fake.messages.shown.size(), 1u);
    EXPECT_TRUE(window->isVisible()) << "the window stays open";
}
