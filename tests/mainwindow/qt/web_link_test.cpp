// The program's own services on a Linux desktop, made as the program makes them: "Visit Our
// Website" through xdg-open, with stand-ins for it on PATH, and what the user is told when xdg-open
// is missing or finds no browser; System Info through the first system monitor on PATH.
#include <QTest>

#include "info/web_addresses.h"
#include "mainwindow/program_services.h"
#include "tests/platform/stand_in_programs.h"
#include "tests/support/qt/qt_window_fixture.h"

class WebLink : public QtWindowTest {
protected:
    /**
     * Starts the window on the desktop's services and presses Ctrl+V in it; with a message to
     * wait for, the window stays a while for what xdg-open says later.
     */
    void pressCtrlV(bool waitForAMessage = false) {
        const ProgramServices services = program();
        QtForm1 window(services.mainWindow());
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
        if (waitForAMessage) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return !m_fake.messages.shown.empty(); }, 20000));
        }
        EXPECT_TRUE(window.logic().isRunning());
        EXPECT_TRUE(m_fake.exit.statuses.empty());
    }
    ProgramServices program() {
        return ProgramServices(
            {m_fake.dialogs, m_fake.messages, m_fake.exit, m_fake.location, m_fake.skinReader});
    }
};

TEST_F(WebLink, CtrlVHandsTheHomePageToXdgOpenOnce) {
    StandInPrograms path;
    path.addRecorder("xdg-open");
    pressCtrlV();
    EXPECT_EQ(path.waitForRecording("xdg-open"), std::string(WebAddresses::kHomePage) + "\n");
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(WebLink, WithoutXdgOpenTheLinkEndsInTheFatalMessage) {
    StandInPrograms path(true);
    pressCtrlV();
    ASSERT_EQ(m_fake.messages.texts(),
              std::vector<std::string>{std::string("Fatal error while communicating to browser")});
    EXPECT_EQ(m_fake.messages.shown[0].title, "Vestrix");
}

TEST_F(WebLink, AnXdgOpenThatFindsNoBrowserIsReportedAsForTheReadme) {
    StandInPrograms path(true);
    path.add("xdg-open", "exit 3");
    pressCtrlV(true);
    ASSERT_EQ(
        m_fake.messages.texts(),
        std::vector<std::string>{"No program could show " + std::string(WebAddresses::kHomePage) +
                                 " (xdg-open ended with status 3). Please install a web "
                                 "browser."});
    EXPECT_EQ(m_fake.messages.shown[0].title, "Vestrix");
}

TEST_F(WebLink, SystemInfoStartsTheFirstMonitorOnPathOrSaysThereIsNone) {
    StandInPrograms path(true);
    const ProgramServices services = program();
    services.mainWindow().systemInfo.start();
    ASSERT_EQ(m_fake.messages.texts(),
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
    EXPECT_EQ(m_fake.messages.shown[0].title, "Vestrix");

    path.addRecorder("ksysguard");
    services.mainWindow().systemInfo.start();
    EXPECT_EQ(path.waitForRecording("ksysguard"), "\n") << "started once, with no arguments";
    EXPECT_EQ(m_fake.messages.shown.size(), 1u);
}
