// The browser launcher against scripted registry, DDE client, program starter and message box.
#include "info/browser_launcher.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/platform/fake_dde_client.h"
#include "tests/platform/fake_registry.h"
#include "tests/platform/recording_message_box.h"
#include "tests/platform/recording_program_starter.h"

using namespace std::string_literals;

namespace {
const std::string kKeys = "http\\shell\\open\\";
const std::string kCommand = "\"C:\\Web Browser\\browse.exe\" -nohome \"%1\"";
const std::string kStart = "start " + kCommand;
const std::string kFatal = "message Fatal error while communicating to browser";

class OpenUrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        const RegistryRoot root = RegistryRoot::ClassesRoot;
        registry.set(root, kKeys + "command", "", RegistryType::kString, kCommand + '\0');
        registry.set(root, kKeys + "ddeexec\\Application", "", RegistryType::kString,
                     "a.b_z@`{\0"s);
        registry.set(root, kKeys + "ddeexec\\Topic", "", RegistryType::kString, "OpenPage\0"s);
    }
    /** What one call did from its first attempt to open the conversation on. */
    CallLog open(const std::string& url = "https://example.test/") {
        log.clear();
        OpenUrl(url, {registry, dde, starter, messages});
        return CallLog(std::find(log.begin(), log.end(), "mode 2"), log.end());
    }
    CallLog log;
    FakeRegistry registry;
    FakeDdeClient dde{log};
    RecordingProgramStarter starter{log};
    RecordingMessageBox messages{log};
};

CallLog operator+(CallLog a, const CallLog& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}  // namespace

TEST_F(OpenUrlTest, AnAnsweringBrowserGetsTheItemAndIsNeverStarted) {
    EXPECT_EQ(open("a/b,c"), (CallLog{"mode 2", "request"}));
    // Only the application is upper-cased, 'a' to 'z' and nothing around them; the address's
    // comma is not escaped.
    EXPECT_EQ(log.at(0), "topic A.B_Z@`{|OpenPage");
    EXPECT_EQ(log.at(1), "item a/b,c,,-1");
    // Read rights only (KEY_READ), which a user without administrator rights is given on the
    // machine's keys; the fake registry refuses anything more, as Windows does to that user.
    const CallLog read = {"query  256 256", "close"};
    EXPECT_EQ(registry.calls,
              CallLog{"open HKCR\\" + kKeys + "command 0 0x20019"} + read +
                  CallLog{"open HKCR\\" + kKeys + "ddeexec\\Application 0 0x20019"} + read +
                  CallLog{"open HKCR\\" + kKeys + "ddeexec\\Topic 0 0x20019"} + read);
}

TEST_F(OpenUrlTest, ABrowserThatIsNotRunningIsStartedOnceAndGetsSixMoreChances) {
    const CallLog started = {"mode 2", kStart};
    const struct {
        int failures;  // attempts nobody answers before the browser does (7: never)
        CallLog expected;
    } cases[] = {
        {1, started + CallLog{"mode 2", "request"}},
        {3, started + CallLog(3, "mode 2") + CallLog{"request"}},
        {6, started + CallLog(6, "mode 2") + CallLog{"request"}},
        {7, started + CallLog(6, "mode 2") + CallLog{kFatal}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failures);
        dde.linkModeErrors.assign(static_cast<std::size_t>(c.failures), DdeError::kNoServer);
        EXPECT_EQ(open(), c.expected);
    }
    // Each call counts afresh, so each may start the browser again.
    dde.linkModeErrorWhenScriptEnds = DdeError::kNoServer;
    EXPECT_EQ(open(), cases[3].expected);
    EXPECT_EQ(open(), cases[3].expected);
}

TEST_F(OpenUrlTest, OtherFailuresEndInTheMessageWithoutStartingTheBrowser) {
    dde.linkModeErrors = {DdeError::kRefused};
    EXPECT_EQ(open(), (CallLog{"mode 2", kFatal}));
    dde.requestError = DdeError::kTimeout;
    EXPECT_EQ(open(), (CallLog{"mode 2", "request", kFatal}));
}

TEST_F(OpenUrlTest, ABrowserCommandThatCannotStartEndsInTheMessage) {
    dde.linkModeErrorWhenScriptEnds = DdeError::kNoServer;
    starter.fails = true;  // a registered program that is missing
    EXPECT_EQ(open(), (CallLog{"mode 2", kStart, kFatal}));
}

TEST_F(OpenUrlTest, WithoutADdeApplicationTheShellOpensTheAddress) {
    const RegistryRoot root = RegistryRoot::ClassesRoot;
    FakeRegistry today;  // a browser of today: a command taking the address for its "%1", no DDE
    today.set(root, kKeys + "command", "", RegistryType::kString, kCommand + '\0');
    FakeRegistry emptyApplication = today;
    emptyApplication.set(root, kKeys + "ddeexec\\Application", "", RegistryType::kString, "\0"s);
    FakeRegistry nothing;
    for (const FakeRegistry* scripted : {&today, &emptyApplication, &nothing}) {
        registry = *scripted;
        open();
        // No conversation and no command started as it stands: "%1" never reaches a browser.
        EXPECT_EQ(log, CallLog{"web https://example.test/"});
        EXPECT_EQ(registry.openKeys, 0);
    }
    // A shell that cannot open the address at once, and one that finds no browser only later.
    starter.fails = true;
    open();
    EXPECT_EQ(log, (CallLog{"web https://example.test/", kFatal}));
    starter.fails = false;
    open();
    ASSERT_TRUE(starter.viewerFailed);
    starter.viewerFailed("No program could show https://example.test/");
    EXPECT_EQ(log.back(), "message No program could show https://example.test/");
}

TEST_F(OpenUrlTest, AStringStoredWithNoDataAtAllEndsInTheMessage) {
    registry.set(RegistryRoot::ClassesRoot, kKeys + "ddeexec\\Topic", "", RegistryType::kString,
                 "");
    EXPECT_EQ(open(), CallLog{});
    EXPECT_EQ(log, CallLog{kFatal});
    EXPECT_EQ(registry.openKeys, 0) << "the key is closed even so";
}

TEST(ReadRegistryString, ReadsStringsThatFitTheBufferAndNothingElse) {
    const struct {
        std::uint32_t type;
        std::string data;
        std::string expected;
    } cases[] = {
        {RegistryType::kString, "abc\0"s, "abc"},
        {RegistryType::kString, "\0"s, ""},
        {RegistryType::kExpandString, "%TEMP%\0"s, ""},
        {RegistryType::kDword, "\1\0\0\0"s, ""},
        {RegistryType::kString, std::string(255, 'a') + '\0', std::string(255, 'a')},
        {RegistryType::kString, std::string(256, 'a') + '\0', ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data.size());
        FakeRegistry registry;
        registry.set(RegistryRoot::ClassesRoot, "k", "v", c.type, c.data);
        EXPECT_EQ(ReadRegistryString(registry, RegistryRoot::ClassesRoot, "k", "v"), c.expected);
        EXPECT_EQ(registry.calls, (CallLog{"open HKCR\\k 0 0x20019", "query v 256 256", "close"}));
    }
    FakeRegistry registry;
    EXPECT_EQ(ReadRegistryString(registry, RegistryRoot::ClassesRoot, "k", "v"), "");
    EXPECT_EQ(registry.calls, CallLog{"open HKCR\\k 0 0x20019"}) << "nothing open, nothing closed";
}
