// "Visit Our Website" through the real desktop services: the desktop's web-page opener and the
// program starter's xdg-open, with stand-ins for xdg-open on PATH; what the user is told when
// xdg-open is missing or finds no browser.
#include <QTest>

#include "program_name_message_box.h"
#include "qt_window_fixture.h"
#include "stand_in_programs.h"
#include "web_addresses.h"

class WebLink : public QtWindowTest {
protected:
    /**
     * Starts the window on the desktop's services and presses Ctrl+V in it; with a message to
     * wait for, the window stays a while for what xdg-open says later.
     */
    void pressCtrlV(bool waitForAMessage = false) {
        const std::unique_ptr<ProgramStarter> starter = createProgramStarter();
        ProgramNameMessageBox messages(m_fake.messages);
        const std::unique_ptr<UrlOpener> opener = createUrlOpener(*starter, messages);
        const MainWindowServices services{m_fake.dialogs,    m_fake.messages,  m_fake.exit,
                                          *starter,          m_fake.location,  *opener,
                                          m_fake.skinReader, m_fake.systemInfo};
        QtForm1 window(services);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
        if (waitForAMessage) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return !m_fake.messages.shown.empty(); }));
        }
        EXPECT_TRUE(window.logic().isRunning());
        EXPECT_TRUE(m_fake.exit.statuses.empty());
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
