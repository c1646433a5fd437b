// The System Info lookup against a scripted registry, file test, starter and message box.
#include "info/system_info.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/platform/fake_file_existence.h"
#include "tests/platform/fake_registry.h"
#include "tests/platform/recording_message_box.h"
#include "tests/platform/recording_program_starter.h"

using namespace std::string_literals;

namespace {
const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kUnavailable = "message System Information Is Unavailable At This Time";
// The separator is always added, whatever the folder value ends with.
const std::string kFolderTool =
    "/opt/info/"s + static_cast<char>(std::filesystem::path::preferred_separator) + "MSINFO32.EXE";
}  // namespace

TEST(StartSysInfo, StartsTheToolFromTheFirstLocationThatNamesIt) {
    const std::uint32_t none = RegistryType::kNone, sz = RegistryType::kString;
    const struct {
        const char* what;
        std::uint32_t pathType;  // of "PATH"; kNone: no such value
        std::string path;
        bool folder;  // "/opt/info/" registered as the tool's folder
        bool folderHasTool;
        bool startFails;
        CallLog expected;
    } cases[] = {
        {"path, not tested", sz, "/no/such/tool\0"s, true, true, false, {"start /no/such/tool"}},
        {"path failing to start",
         sz,
         "/no/such/tool\0"s,
         false,
         false,
         true,
         {"start /no/such/tool", kUnavailable}},
        {"folder with the tool",
         none,
         "",
         true,
         true,
         false,
         {"exists " + kFolderTool, "start " + kFolderTool}},
        {"folder without it",
         none,
         "",
         true,
         false,
         false,
         {"exists " + kFolderTool, kUnavailable}},
        {"expandable path",
         RegistryType::kExpandString,
         "%windir%\\x.exe\0"s,
         true,
         true,
         false,
         {"start ", kUnavailable}},
        {"path with no data at all", sz, "", true, true, false, {kUnavailable}},
        {"nothing registered", none, "", false, false, false, {kUnavailable}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CallLog log;
        FakeRegistry registry;
        if (c.pathType != none)
            registry.set(RegistryRoot::LocalMachine, kToolKey, "PATH", c.pathType, c.path);
        if (c.folder)
            registry.set(RegistryRoot::LocalMachine, kFolderKey, "MSINFO", sz, "/opt/info/\0"s);
        FakeFileExistence files(log);
        if (c.folderHasTool) files.files.insert(kFolderTool);
        RecordingProgramStarter starter(log);
        starter.fails = c.startFails;
        RecordingMessageBox messages(log);
        StartSysInfo({registry, files, starter, messages});
        EXPECT_EQ(log, c.expected);
        EXPECT_EQ(registry.openKeys, 0);
    }
}

TEST(GetKeyValue, ReadsStringsAndNumbersAndLeavesOtherTypesAlone) {
    const struct {
        std::uint32_t type;
        std::string data;
        bool read;
        std::string value;  // KeyVal comes in as "before"
    } cases[] = {
        {RegistryType::kString, "C:\\Tools\0"s, true, "C:\\Tools"},
        {RegistryType::kString, "ab"s, true, "ab"},  // stored without its zero byte
        {RegistryType::kString, std::string(1023, 'x') + '\0', true, std::string(1023, 'x')},
        {RegistryType::kString, std::string(1024, 'x') + '\0', false, ""},
        {RegistryType::kDword, "\x01\x0A\0\0"s, true, "2561"},
        {RegistryType::kDword, "\xFF\xFF\xFF\xFF"s, true, "4294967295"},
        {RegistryType::kExpandString, "%TEMP%\0"s, true, "before"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data.size());
        FakeRegistry registry;
        registry.set(RegistryRoot::LocalMachine, "k", "v", c.type, c.data);
        std::string value = "before";
        EXPECT_EQ(GetKeyValue(registry, RegistryRoot::LocalMachine, "k", "v", value), c.read);
        EXPECT_EQ(value, c.value);
        // Read rights only (KEY_READ): a user without administrator rights gets no more on
        // HKEY_LOCAL_MACHINE, and the fake registry refuses more as Windows does.
        EXPECT_EQ(registry.calls,
                  (CallLog{"open HKLM\\k 0 0x20019", "query v 1024 1024", "close"}));
    }
    // A missing key or value empties KeyVal; the key that never opened is closed as handle 0.
    FakeRegistry registry;
    registry.set(RegistryRoot::LocalMachine, "k", "other", RegistryType::kString, "x\0"s);
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, "missing", "v", value));
    EXPECT_EQ(value, "");
    value = "before";
    EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, "k", "v", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(registry.calls, (CallLog{"open HKLM\\missing 0 0x20019", "close 0",
                                       "open HKLM\\k 0 0x20019", "query v 1024 1024", "close"}));
}
