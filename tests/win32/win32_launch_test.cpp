// The browser launcher and the System Info button end to end on the system's services: the
// registry names a stand-in program (test_browser.cpp), started through CreateProcess, talked to
// through DDEML. Only the message box is the tests' own. And a folder to show that is not there.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/system_info_tool.h"
#include "platform/url_opener.h"
#include "platform/win32/win32_program_starter.h"
#include "tests/platform/call_log.h"
#include "tests/platform/recording_message_box.h"
#include "tests/win32/dde_test_server.h"
#include "tests/win32/scratch_key.h"

namespace fs = std::filesystem;

namespace {

fs::path programFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

std::string quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

/**
 * The system's program starter, which then waits until the started stand-in says it is ready:
 * a browser that comes up at once, so that the launcher's immediate retries can reach it.
 */
class ReadyWaitingStarter : public Win32ProgramStarter {
public:
    ReadyWaitingStarter()
        : m_ready(CreateEventW(nullptr, FALSE, FALSE, L"VestrixTestProgramReady")) {}
    ~ReadyWaitingStarter() override { CloseHandle(m_ready); }
    void startCommandLine(const std::string& commandLine) override {
        Win32ProgramStarter::startCommandLine(commandLine);
        WaitForSingleObject(m_ready, 10000);
    }

private:
    HANDLE m_ready;
};

class Win32LaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / "vestrix-launch-test";
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
        fs::create_directories(m_folder);
        m_record = m_folder / "record.txt";
    }
    // A stand-in that is still exiting may hold its files a moment longer: left for the next run.
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    /** The stand-in's command line: it records into m_record, then does what mode says. */
    std::string standIn(const std::string& mode) const {
        return quoted(programFolder() / "vestrix-test-program.exe") + " " + quoted(m_record) + " " +
               mode;
    }
    /** The record's lines: the command lines the stand-in was started with, the items it got. */
    std::vector<std::string> record() const {
        std::ifstream in(m_record);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    fs::path m_folder;
    fs::path m_record;
    CallLog m_log;
    RecordingMessageBox m_messageBox{m_log};
    ReadyWaitingStarter m_starter;
};

class OpenUrlTest : public Win32LaunchTest {
protected:
    void registerBrowser(const std::string& command) {
        ASSERT_TRUE(m_http.setString("shell\\open\\command", "", command));
        ASSERT_TRUE(m_http.setString("shell\\open\\ddeexec\\Application", "", "vxBrowser"));
        ASSERT_TRUE(m_http.setString("shell\\open\\ddeexec\\Topic", "", "OpenPage"));
    }
    void openUrl(const std::string& url) {
        // As the program makes it: the system's registry and DDE client.
        createUrlOpener(m_starter, m_messageBox)->openUrl(url);
    }

    // The http handler that was registered is put back afterwards.
    ScratchKey m_http{ScratchKey::classesRootSource(), "Software\\Classes\\http"};
};

}  // namespace

TEST_F(OpenUrlTest, ARunningBrowserGetsTheAddressOnItsTopicAndIsNotStarted) {
    registerBrowser(standIn("serve VXBROWSER OpenPage") + " \"%1\"");
    DdeTestServer browser("VXBROWSER", "OpenPage");
    ASSERT_TRUE(browser.serving());
    openUrl("http://example.com/a,b");
    EXPECT_EQ(browser.waitForRequests(std::chrono::seconds(5)),
              std::vector<std::string>{"http://example.com/a,b,,-1"});
    EXPECT_EQ(m_log, CallLog{});
    EXPECT_FALSE(fs::exists(m_record));
}

TEST_F(OpenUrlTest, ABrowserThatIsNotRunningIsStartedOnceAsRegisteredAndThenGetsTheAddress) {
    const std::string command = standIn("serve VXBROWSER OpenPage") + " \"%1\"";
    registerBrowser(command);
    openUrl("http://example.com/");
    EXPECT_EQ(m_log, CallLog{});
    // The stand-in writes the item once its request is answered; give it the moment it needs.
    for (int i = 0; i < 100 && record().size() < 2; ++i) Sleep(50);
    EXPECT_EQ(record(), (std::vector<std::string>{command, "item http://example.com/,,-1"}));
}

TEST_F(OpenUrlTest, ABrowserThatNeverAnswersEndsInTheFatalMessageAfterOneStart) {
    const std::string command = standIn("silent");
    registerBrowser(command);
    openUrl("http://example.com/");
    EXPECT_EQ(m_log, CallLog{"message Fatal error while communicating to browser"});
    EXPECT_EQ(record(), std::vector<std::string>{command});
}

TEST_F(OpenUrlTest, ABrowserWithoutDdeGetsTheAddressFromTheShellInPlaceOfItsPlaceholder) {
    // A browser of today: a command with "%1" for the address and no DDE application.
    const std::string command = standIn("record") + " \"%1\"";
    ASSERT_TRUE(m_http.setString("shell\\open\\command", "", command));
    openUrl("http://example.com/a,b");
    EXPECT_EQ(m_log, CallLog{});
    for (int i = 0; i < 100 && record().empty(); ++i) Sleep(50);
    const std::vector<std::string> lines = record();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("\"http://example.com/a,b\""), std::string::npos) << lines[0];
    EXPECT_EQ(lines[0].find("%1"), std::string::npos) << lines[0];
}

TEST_F(OpenUrlTest, NothingRegisteredEndsInTheFatalMessage) {
    // The shell finds no program for http either.
    openUrl("http://example.com/");
    EXPECT_EQ(m_log, CallLog{"message Fatal error while communicating to browser"});
}

class StartSysInfoTest : public Win32LaunchTest {
protected:
    void startSysInfo() { createSystemInfoTool(m_starter, m_messageBox)->start(); }

    ScratchKey m_tool{HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"};
    ScratchKey m_location{HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location"};
};

TEST_F(StartSysInfoTest, TheRegisteredPathIsStartedAsItStands) {
    const std::string command = standIn("silent");
    ASSERT_TRUE(m_tool.setString("", "PATH", command));
    startSysInfo();
    EXPECT_EQ(m_log, CallLog{});
    EXPECT_EQ(record(), std::vector<std::string>{command});
}

TEST_F(StartSysInfoTest, TheToolIsFoundInTheRegisteredFolder) {
    fs::copy_file(programFolder() / "vestrix-test-program.exe", m_folder / "MSINFO32.EXE");
    ASSERT_TRUE(m_location.setString("", "MSINFO", m_folder.string()));
    startSysInfo();
    EXPECT_EQ(m_log, CallLog{});
    // Started without arguments, the stand-in has no record file to write to: the start shows in
    // the absence of the message. A folder without the tool gives the message.
    fs::create_directories(m_folder / "empty");
    ASSERT_TRUE(m_location.setString("", "MSINFO", (m_folder / "empty").string()));
    startSysInfo();
    EXPECT_EQ(m_log, CallLog{"message System Information Is Unavailable At This Time"});
}

TEST_F(StartSysInfoTest, AToolThatCannotBeStartedGivesTheMessage) {
    ASSERT_TRUE(m_tool.setString("", "PATH", (m_folder / "missing.exe").string()));
    startSysInfo();
    EXPECT_EQ(m_log, CallLog{"message System Information Is Unavailable At This Time"});
}

TEST(Win32ProgramStarterTest, AFolderThatIsNotThereIsNotShownAndTheMessageNamesIt) {
    const std::string folder = "C:\\Кубок " + std::to_string(GetCurrentProcessId()) + "\\jerseys";
    std::string message;
    try {
        Win32ProgramStarter().showFolder(folder, [](const std::string&) {});
    } catch (const ProgramStartError& error) {
        message = error.what();
    }
    EXPECT_NE(message.find(folder), std::string::npos) << message;
}
