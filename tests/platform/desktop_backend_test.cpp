// The Linux desktop's registry, DDE client and file test, with stand-in programs on PATH.
#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "call_log.h"
#include "desktop_dde_client.h"
#include "desktop_file_existence.h"
#include "desktop_registry.h"
#include "recording_program_starter.h"
#include "stand_in_programs.h"

namespace {
const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

struct Read {
    long result;
    std::uint32_t type;
    std::uint32_t length;
    std::string text;
};

Read readValue(Registry& registry, RegistryRoot root, const std::string& key,
               const std::string& value, std::uint32_t bufferSize = 1024) {
    RegistryKey handle = 0;
    Read read{registry.openKey(root, key, 0, 0x2003F, handle), 0, 0, {}};
    if (read.result != RegistryResult::kSuccess) return read;
    std::vector<std::uint8_t> buffer(bufferSize);
    read.length = bufferSize;
    read.result = registry.queryValue(handle, value, read.type, buffer, read.length);
    if (read.result == RegistryResult::kSuccess)
        read.text.assign(buffer.begin(), buffer.begin() + read.length);
    EXPECT_EQ(registry.closeKey(handle), RegistryResult::kSuccess);
    return read;
}
}  // namespace

TEST(DesktopRegistry, NamesTheFirstInstalledSystemInformationTool) {
    StandInPrograms path(true);
    DesktopRegistry registry;
    EXPECT_EQ(readValue(registry, RegistryRoot::LocalMachine, kToolKey, "PATH").result,
              RegistryResult::kFileNotFound)
        << "no tool installed";

    path.add("lxtask", "");
    path.add("ksysguard", "");
    std::ofstream(path.folder() / "hardinfo") << "not executable";
    const std::string ksysguard = (path.folder() / "ksysguard").string();
    const Read read = readValue(registry, RegistryRoot::LocalMachine,
                                "software\\microsoft\\shared tools\\msinfo", "Path");
    EXPECT_EQ(read.result, RegistryResult::kSuccess);
    EXPECT_EQ(read.type, RegistryType::kString);
    EXPECT_EQ(read.text, ksysguard + '\0');

    const Read tooSmall = readValue(registry, RegistryRoot::LocalMachine, kToolKey, "PATH", 8);
    EXPECT_EQ(tooSmall.result, RegistryResult::kMoreData);
    EXPECT_EQ(tooSmall.length, ksysguard.size() + 1);
}

TEST(DesktopRegistry, EveryOtherKeyOrValueIsAbsent) {
    StandInPrograms path(true);
    path.add("hardinfo", "");
    DesktopRegistry registry;
    const struct {
        RegistryRoot root;
        const char* key;
        const char* value;
    } absent[] = {
        {RegistryRoot::ClassesRoot, "http\\shell\\open\\command", ""},
        {RegistryRoot::ClassesRoot, "http\\shell\\open\\ddeexec\\Application", ""},
        {RegistryRoot::ClassesRoot, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"},
        {RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"},
        {RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "Other"},
    };
    for (const auto& a : absent) {
        SCOPED_TRACE(std::string(a.key) + " " + a.value);
        EXPECT_EQ(readValue(registry, a.root, a.key, a.value).result,
                  RegistryResult::kFileNotFound);
    }
    EXPECT_EQ(registry.closeKey(0), RegistryResult::kInvalidHandle);
}

TEST(DesktopDdeClient, HandsTheItemsAddressToXdgOpen) {
    StandInPrograms path(true);
    path.add("xdg-open", "");
    CallLog log;
    RecordingProgramStarter starter(log);
    DesktopDdeClient dde(starter);
    dde.setLinkTopic("|");
    dde.setLinkItem("https://example.test/a,b,,-1");
    dde.setLinkMode(2);
    dde.linkRequest();
    EXPECT_EQ(log, CallLog{"run " + (path.folder() / "xdg-open").string() +
                           " [https://example.test/a,b]"});

    // An item that carries no address is refused, and nothing is started.
    for (const char* item : {",,-1", "https://example.test/"}) {
        dde.setLinkItem(item);
        try {
            dde.linkRequest();
            ADD_FAILURE() << item << " was accepted";
        } catch (const DdeError& error) {
            EXPECT_EQ(error.number(), DdeError::kRefused);
        }
    }
    EXPECT_EQ(log.size(), 1u);
}

TEST(DesktopDdeClient, NobodyAnswersWithoutXdgOpenOnPath) {
    StandInPrograms path(true);
    CallLog log;
    RecordingProgramStarter starter(log);
    DesktopDdeClient dde(starter);
    dde.setLinkTopic("|");
    try {
        dde.setLinkMode(2);
        ADD_FAILURE() << "a conversation opened";
    } catch (const DdeError& error) {
        EXPECT_EQ(error.number(), DdeError::kNoServer);
    }
    // Looked up at every attempt: installed in the meantime, it answers.
    path.add("xdg-open", "");
    EXPECT_NO_THROW(dde.setLinkMode(2));
}

TEST(DesktopFileExistence, OnlyOrdinaryVisibleFilesCount) {
    StandInPrograms folder;
    std::ofstream(folder.folder() / "MSINFO32.EXE") << "x";
    std::ofstream(folder.folder() / ".hidden") << "x";
    DesktopFileExistence files;
    EXPECT_TRUE(files.ordinaryFileExists((folder.folder() / "MSINFO32.EXE").string()));
    EXPECT_FALSE(files.ordinaryFileExists((folder.folder() / "msinfo32.exe").string()));
    EXPECT_FALSE(files.ordinaryFileExists((folder.folder() / ".hidden").string()));
    EXPECT_FALSE(files.ordinaryFileExists(folder.folder().string()));
    EXPECT_FALSE(files.ordinaryFileExists((folder.folder() / "missing").string()));
}
