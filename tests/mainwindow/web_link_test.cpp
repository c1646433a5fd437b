// "Visit Our Website" through the real desktop services: the registry, the DDE client over
// xdg-open and the program starter, with stand-ins for xdg-open on PATH.
#include <QTest>

#include "browser_launcher.h"
#include "program_folder_fixture.h"
#include "program_name_message_box.h"
#include "stand_in_programs.h"
#include "web_addresses.h"

class WebLink : public ProgramFolderTest {
protected:
    /** Starts the window on the desktop's services and presses Ctrl+V in it. */
    void pressCtrlV() {
        const std::unique_ptr<ProgramStarter> starter = createProgramStarter();
        const std::unique_ptr<Registry> registry = createRegistry();
        const std::unique_ptr<DdeClient> dde = createDdeClient(*starter);
        ProgramNameMessageBox messages(m_fake.messages);
        BrowserLauncher launcher({*registry, *dde, *starter, messages});
        const MainWindowServices services{m_fake.dialogs,  m_fake.messages,     m_fake.exit,
                                          *starter,        m_fake.location,     launcher,
                                          m_fake.registry, m_fake.fileExistence};
        Form1 window(services);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(window.isRunning());
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
