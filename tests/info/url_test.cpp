// The browser launcher against scripted registry, DDE client, program starter and message box.
#include "url.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "call_log.h"
#include "fake_dde_client.h"
#include "fake_registry.h"
#include "recording_message_box.h"
#include "recording_program_starter.h"

namespace {
const std::string kCommandKey = "http\\shell\\open\\command";
const std::string kApplicationKey = "http\\shell\\open\\ddeexec\\Application";
const std::string kTopicKey = "http\\shell\\open\\ddeexec\\Topic";
const std::string kCommand = "\"C:\\Web Browser\\browse.exe\" -nohome \"%1\"";
const std::string kFatal = "message Fatal error while communicating to browser";

class OpenUrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.setString(RegistryRoot::ClassesRoot, kCommandKey, "", kCommand);
        registry.setString(RegistryRoot::ClassesRoot, kApplicationKey, "", "browse");
        registry.setString(RegistryRoot::ClassesRoot, kTopicKey, "", "WWW_OpenURL");
    }
    void open(const std::string& url) { OpenUrl(url, {registry, dde, starter, messages}); }
    /** The log from the first link-mode attempt on. */
    CallLog attempts() const { return CallLog(log.begin() + 2, log.end()); }

    CallLog log;
    FakeRegistry registry;
    FakeDdeClient dde{log};
    RecordingProgramStarter starter{log};
    RecordingMessageBox messages{log};
};

CallLog repeated(const std::string& line, int times) { return CallLog(times, line); }
CallLog operator+(CallLog a, const CallLog& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}  // namespace

TEST_F(OpenUrlTest, AnAnsweringBrowserGetsTheAddressAndIsNeverStarted) {
    open("https://example.test/a/b,c");
    EXPECT_EQ(log, (CallLog{"topic BROWSE|WWW_OpenURL", "item https://example.test/a/b,c,,-1",
                            "mode 2", "request"}));
    // Three reads under HKEY_CLASSES_ROOT with the launcher's mask, each key closed again.
    ASSERT_EQ(registry.opens.size(), 3u);
    const std::string keys[] = {kCommandKey, kApplicationKey, kTopicKey};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(registry.opens[i].subKey, keys[i]);
        EXPECT_EQ(registry.opens[i].root, RegistryRoot::ClassesRoot);
        EXPECT_EQ(registry.opens[i].options, 0u);
        EXPECT_EQ(registry.opens[i].accessMask, 0xF0063u);
    }
    EXPECT_EQ(registry.closes.size(), 3u);
    EXPECT_TRUE(registry.openKeys.empty());
}

TEST_F(OpenUrlTest, OnlyTheApplicationIsUpperCasedAndNothingRegisteredGivesABareBar) {
    registry.setString(RegistryRoot::ClassesRoot, kApplicationKey, "", "abc");
    registry.setString(RegistryRoot::ClassesRoot, kTopicKey, "", "OpenPage");
    open("x");
    EXPECT_EQ(log.at(0), "topic ABC|OpenPage");

    FakeRegistry empty;
    CallLog emptyLog;
    FakeDdeClient emptyDde(emptyLog);
    OpenUrl("x", {empty, emptyDde, starter, messages});
    EXPECT_EQ(emptyLog.at(0), "topic |");
}

TEST_F(OpenUrlTest, ABrowserThatIsNotRunningIsStartedOnceAndGetsSixMoreChances) {
    const std::string start = "start " + kCommand;
    const struct {
        int failures;  // attempts nobody answers before the browser does (7: never)
        CallLog expected;
    } cases[] = {
        {1, CallLog{"mode 2", start, "mode 2", "request"}},
        {3, CallLog{"mode 2", start} + repeated("mode 2", 3) + CallLog{"request"}},
        {6, CallLog{"mode 2", start} + repeated("mode 2", 6) + CallLog{"request"}},
        {7, CallLog{"mode 2", start} + repeated("mode 2", 6) + CallLog{kFatal}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failures);
        log.clear();
        dde.linkModeErrors.assign(static_cast<std::size_t>(c.failures), DdeError::kNoServer);
        open("https://example.test/");
        EXPECT_EQ(attempts(), c.expected);
    }
}

TEST_F(OpenUrlTest, EveryCallStartsCountingAfresh) {
    dde.linkModeErrorWhenScriptEnds = DdeError::kNoServer;
    open("https://example.test/");
    open("https://example.test/");
    EXPECT_EQ(std::count(log.begin(), log.end(), "start " + kCommand), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "mode 2"), 14);
    EXPECT_EQ(std::count(log.begin(), log.end(), kFatal), 2);
}

TEST_F(OpenUrlTest, OtherFailuresEndInTheMessageWithoutStartingTheBrowser) {
    const struct {
        const char* what;
        int modeError;
        int requestError;
        CallLog expected;
    } cases[] = {
        {"conversation refused", DdeError::kRefused, 0, {"mode 2", kFatal}},
        {"request unanswered", 0, DdeError::kTimeout, {"mode 2", "request", kFatal}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        dde.linkModeErrors = {c.modeError};
        dde.requestError = c.requestError;
        open("https://example.test/");
        EXPECT_EQ(attempts(), c.expected);
    }
}

TEST_F(OpenUrlTest, ABrowserCommandThatCannotStartEndsInTheMessage) {
    // Nothing registered (an empty command) and a registered program that is missing.
    for (const bool registered : {false, true}) {
        SCOPED_TRACE(registered);
        log.clear();
        FakeRegistry empty;
        starter.fails = true;
        dde.linkModeErrorWhenScriptEnds = DdeError::kNoServer;
        OpenUrl("x", {registered ? registry : empty, dde, starter, messages});
        EXPECT_EQ(attempts(),
                  (CallLog{"mode 2", "start " + (registered ? kCommand : std::string()), kFatal}));
    }
}

TEST_F(OpenUrlTest, AnEmptyStringStoredWithoutItsZeroByteEndsInTheMessage) {
    registry.setValue(RegistryRoot::ClassesRoot, kTopicKey, "", RegistryType::kString, {});
    open("x");
    EXPECT_EQ(log, CallLog{kFatal});
    EXPECT_TRUE(registry.openKeys.empty()) << "the key must be closed even so";
}

TEST(ReadRegistryString, ReadsStringsThatFitTheBufferAndNothingElse) {
    const std::string key = "k";
    const auto zeroEnded = [](const std::string& text) {
        std::vector<std::uint8_t> data(text.begin(), text.end());
        data.push_back(0);
        return data;
    };
    const struct {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        std::string expected;
    } cases[] = {
        {"string", RegistryType::kString, zeroEnded("abc"), "abc"},
        {"empty string", RegistryType::kString, zeroEnded(""), ""},
        {"expandable string", RegistryType::kExpandString, zeroEnded("ab"), ""},
        {"number", RegistryType::kDword, {1, 0, 0, 0}, ""},
        {"255 characters", RegistryType::kString, zeroEnded(std::string(255, 'a')),
         std::string(255, 'a')},
        {"256 characters", RegistryType::kString, zeroEnded(std::string(256, 'a')), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry registry;
        registry.setValue(RegistryRoot::ClassesRoot, key, "", c.type, c.data);
        EXPECT_EQ(ReadRegistryString(registry, RegistryRoot::ClassesRoot, key, ""), c.expected);
        ASSERT_EQ(registry.queries.size(), 1u);
        EXPECT_EQ(registry.queries[0].bufferSize, 256u);
        EXPECT_EQ(registry.queries[0].lengthIn, 256u);
        EXPECT_EQ(registry.closes.size(), 1u);
    }

    FakeRegistry registry;
    EXPECT_EQ(ReadRegistryString(registry, RegistryRoot::ClassesRoot, "missing", ""), "");
    EXPECT_TRUE(registry.closes.empty()) << "a key that did not open is not closed";
    registry.setValue(RegistryRoot::ClassesRoot, key, "", RegistryType::kString, {});
    EXPECT_ANY_THROW(ReadRegistryString(registry, RegistryRoot::ClassesRoot, key, ""));
}
