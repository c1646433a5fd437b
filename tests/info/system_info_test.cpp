// The System Info lookup against a scripted registry, file test, starter and message box.
#include "system_info.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "call_log.h"
#include "fake_file_existence.h"
#include "fake_registry.h"
#include "recording_message_box.h"
#include "recording_program_starter.h"

namespace {
const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kUnavailable = "message System Information Is Unavailable At This Time";
const std::string kSeparator(1, static_cast<char>(std::filesystem::path::preferred_separator));

std::vector<std::uint8_t> zeroEnded(const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}
}  // namespace

TEST(StartSysInfo, StartsTheToolFromTheFirstLocationThatNamesIt) {
    const std::string folderTool = "/opt/info/" + kSeparator + "MSINFO32.EXE";
    const struct {
        const char* what;
        std::vector<std::uint8_t> path;  // under "PATH"; empty: none
        std::uint32_t pathType;
        std::vector<std::uint8_t> folder;  // under "MSINFO"; empty: none
        bool folderHasTool;
        CallLog expected;
    } cases[] = {
        {"path, even to nothing",
         zeroEnded("/no/such/sysinfo"),
         RegistryType::kString,
         {},
         false,
         {"start /no/such/sysinfo"}},
        {"path before folder",
         zeroEnded("/usr/bin/tool"),
         RegistryType::kString,
         zeroEnded("/opt/info/"),
         true,
         {"start /usr/bin/tool"}},
        {"folder holding the tool",
         {},
         0,
         zeroEnded("/opt/info/"),
         true,
         {"exists " + folderTool, "start " + folderTool}},
        {"folder without the tool",
         {},
         0,
         zeroEnded("/opt/info/"),
         false,
         {"exists " + folderTool, kUnavailable}},
        {"expandable path: an empty start",
         zeroEnded("%SystemRoot%\\msinfo32.exe"),
         RegistryType::kExpandString,
         {},
         false,
         {"start ", kUnavailable}},
        {"path with no data at all",
         std::vector<std::uint8_t>{},
         RegistryType::kString,
         zeroEnded("/opt/info/"),
         true,
         {kUnavailable}},
        {"nothing registered", {}, 0, {}, false, {kUnavailable}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CallLog log;
        FakeRegistry registry;
        if (!c.path.empty() || c.pathType != 0) {
            registry.setValue(RegistryRoot::LocalMachine, kToolKey, "PATH", c.pathType, c.path);
        }
        if (!c.folder.empty()) {
            registry.setValue(RegistryRoot::LocalMachine, kFolderKey, "MSINFO",
                              RegistryType::kString, c.folder);
        }
        FakeFileExistence files(log);
        if (c.folderHasTool) files.files.insert(folderTool);
        RecordingProgramStarter starter(log);
        RecordingMessageBox messages(log);
        StartSysInfo({registry, files, starter, messages});
        EXPECT_EQ(log, c.expected);
        EXPECT_TRUE(registry.openKeys.empty()) << "every key closed";
    }
}

TEST(StartSysInfo, AToolThatFailsToStartIsReported) {
    CallLog log;
    FakeRegistry registry;
    registry.setValue(RegistryRoot::LocalMachine, kToolKey, "PATH", RegistryType::kString,
                      zeroEnded("/usr/bin/tool"));
    FakeFileExistence files(log);
    RecordingProgramStarter starter(log);
    starter.fails = true;
    RecordingMessageBox messages(log);
    StartSysInfo({registry, files, starter, messages});
    EXPECT_EQ(log, (CallLog{"start /usr/bin/tool", kUnavailable}));
}

TEST(GetKeyValue, ReadsStringsAndNumbersAndLeavesOtherTypesAlone) {
    const struct {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        bool read;
        std::string value;  // KeyVal comes in as "before"
    } cases[] = {
        {"string", RegistryType::kString, zeroEnded("C:\\Tools"), true, "C:\\Tools"},
        {"string stored without its zero", RegistryType::kString, {'a', 'b'}, true, "ab"},
        {"1023 characters", RegistryType::kString, zeroEnded(std::string(1023, 'x')), true,
         std::string(1023, 'x')},
        {"1024 characters", RegistryType::kString, zeroEnded(std::string(1024, 'x')), false, ""},
        {"number", RegistryType::kDword, {0x01, 0x0A, 0x00, 0x00}, true, "2561"},
        {"large number", RegistryType::kDword, {0xFF, 0xFF, 0xFF, 0xFF}, true, "4294967295"},
        {"expandable string", RegistryType::kExpandString, zeroEnded("%TEMP%"), true, "before"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry registry;
        registry.setValue(RegistryRoot::LocalMachine, "k", "v", c.type, c.data);
        std::string value = "before";
        EXPECT_EQ(GetKeyValue(registry, RegistryRoot::LocalMachine, "k", "v", value), c.read);
        EXPECT_EQ(value, c.value);
        ASSERT_EQ(registry.opens.size(), 1u);
        EXPECT_EQ(registry.opens[0].accessMask, 0x2003Fu);
        EXPECT_EQ(registry.opens[0].options, 0u);
        EXPECT_EQ(registry.queries.at(0).bufferSize, 1024u);
        EXPECT_EQ(registry.queries.at(0).lengthIn, 1024u);
        EXPECT_EQ(registry.closes.size(), 1u);
    }
}

TEST(GetKeyValue, AMissingKeyOrValueEmptiesTheResult) {
    FakeRegistry registry;
    registry.setString(RegistryRoot::LocalMachine, "k", "other", "x");
    for (const char* key : {"missing", "k"}) {
        SCOPED_TRACE(key);
        std::string value = "before";
        EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, key, "v", value));
        EXPECT_EQ(value, "");
    }
    // The key that never opened is "closed" as the zero handle, the other one for real.
    ASSERT_EQ(registry.closes.size(), 2u);
    EXPECT_EQ(registry.closes[0], 0u);
    EXPECT_TRUE(registry.openKeys.empty());
}
