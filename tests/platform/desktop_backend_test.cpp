// The Linux desktop's registry, DDE client and file test, with stand-in programs on PATH.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "desktop_dde_client.h"
#include "desktop_file_existence.h"
#include "desktop_registry.h"
#include "program_locations.h"
#include "recording_program_starter.h"
#include "stand_in_programs.h"

namespace {
const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

/** The result code, and the data read (up to bufferSize bytes) or the length needed. */
std::pair<long, std::string> read(Registry& registry, RegistryRoot root, const std::string& key,
                                  const std::string& value, std::uint32_t bufferSize = 1024) {
    RegistryKey handle = 0;
    const long opened = registry.openKey(root, key, 0, 0x20019, handle);
    if (opened != RegistryResult::kSuccess) return {opened, {}};
    std::vector<std::uint8_t> buffer(bufferSize);
    std::uint32_t type = 0, length = bufferSize;
    const long result = registry.queryValue(handle, value, type, buffer, length);
    EXPECT_EQ(registry.closeKey(handle), RegistryResult::kSuccess);
    if (result != RegistryResult::kSuccess) return {result, std::to_string(length)};
    EXPECT_EQ(type, RegistryType::kString);
    return {result, std::string(buffer.begin(), buffer.begin() + length)};
}

int ddeError(const std::function<void()>& step) {
    try {
        step();
    } catch (const DdeError& error) {
        return error.number();
    }
    return 0;
}
}  // namespace

TEST(DesktopRegistry, NamesTheFirstInstalledSystemInformationToolAndNothingElse) {
    StandInPrograms path(true);
    DesktopRegistry registry;
    const RegistryRoot lm = RegistryRoot::LocalMachine;
    EXPECT_EQ(read(registry, lm, kToolKey, "PATH").first, RegistryResult::kFileNotFound);

    path.add("lxtask", "");
    path.add("ksysguard", "");
    std::ofstream(path.folder() / "hardinfo") << "not a program";  // not executable
    const std::string tool = (path.folder() / "ksysguard").string();
    EXPECT_EQ(read(registry, lm, "software\\microsoft\\shared tools\\msinfo", "Path"),
              std::pair(RegistryResult::kSuccess, tool + '\0'));
    EXPECT_EQ(read(registry, lm, kToolKey, "PATH", 8),
              std::pair(RegistryResult::kMoreData, std::to_string(tool.size() + 1)));

    // No browser, no DDE names, no folder entry: all absent.
    for (const auto& [root, key, value] :
         {std::tuple{RegistryRoot::ClassesRoot, "http\\shell\\open\\command", ""},
          {RegistryRoot::ClassesRoot, "http\\shell\\open\\ddeexec\\Topic", ""},
          {RegistryRoot::ClassesRoot, kToolKey.c_str(), "PATH"},
          {lm, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"},
          {lm, kToolKey.c_str(), "Other"}}) {
        EXPECT_EQ(read(registry, root, key, value).first, RegistryResult::kFileNotFound) << key;
    }
}

TEST(DesktopDdeClient, HandsTheItemsAddressToTheDesktopOpenerWhenXdgOpenIsOnPath) {
    StandInPrograms path(true);
    CallLog log;
    RecordingProgramStarter starter(log);
    DesktopDdeClient dde(starter);
    dde.setLinkTopic("|");
    EXPECT_EQ(ddeError([&] { dde.setLinkMode(2); }), DdeError::kNoServer);

    path.add("xdg-open", "");
    dde.setLinkItem("https://example.test/a,b,,-1");
    EXPECT_EQ(ddeError([&] { dde.setLinkMode(2); }), 0);
    bool toldLater = false;
    dde.linkRequest([&](const std::string&) { toldLater = true; });
    EXPECT_EQ(log, CallLog{"web https://example.test/a,b"});
    starter.viewerFailed("no browser");
    EXPECT_TRUE(toldLater) << "a browser that fails later is reported through the request";
    // An item that carries no address is refused, and nothing is started.
    for (const char* item : {",,-1", "https://example.test/"}) {
        dde.setLinkItem(item);
        EXPECT_EQ(ddeError([&] { dde.linkRequest({}); }), DdeError::kRefused) << item;
    }
    EXPECT_EQ(log.size(), 1u);
}

TEST(DesktopFileExistence, OnlyOrdinaryVisibleFilesCount) {
    StandInPrograms folder;
    std::ofstream(folder.folder() / "MSINFO32.EXE") << "x";
    std::ofstream(folder.folder() / ".hidden") << "x";
    DesktopFileExistence files;
    const auto exists = [&](const char* name) {
        return files.ordinaryFileExists((folder.folder() / name).string());
    };
    EXPECT_TRUE(exists("MSINFO32.EXE"));
    EXPECT_FALSE(exists("msinfo32.exe"));
    EXPECT_FALSE(exists(".hidden"));
    EXPECT_FALSE(exists("."));
    EXPECT_FALSE(files.ordinaryFileExists(folder.folder().string()));
}

TEST(DesktopProgramLocations, RelativeXdgDataFoldersAreIgnored) {
    // Each test runs in a process of its own; the variables are put back for the tests after it.
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return std::pair<const char*, std::optional<std::string>>(
            name, value ? std::optional<std::string>(value) : std::nullopt);
    };
    const auto saved = {keep("HOME"), keep("XDG_DATA_HOME"), keep("XDG_DATA_DIRS")};
    const auto userFolder = [](const char* dataHome) {
        setenv("XDG_DATA_HOME", dataHome, 1);
        return ProgramLocations::ofThisProgram().userFolder;
    };
    setenv("HOME", "/home/kitfan", 1);
    EXPECT_EQ(userFolder("/data/kitfan"), "/data/kitfan/vestrix");
    // A relative one would make ./rel/vestrix wherever the program is started.
    EXPECT_EQ(userFolder("rel"), "/home/kitfan/.local/share/vestrix");
    EXPECT_EQ(userFolder("./rel"), "/home/kitfan/.local/share/vestrix");

    setenv("XDG_DATA_DIRS", "rel/share:/opt/share::./other", 1);
    const std::vector<std::string> shared = ProgramLocations::ofThisProgram().sharedFolders;
    // After the executable's own two folders, only the absolute data folder.
    ASSERT_EQ(shared.size(), 3u);
    EXPECT_EQ(shared[2], "/opt/share/vestrix");

    for (const auto& [name, value] : saved) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
}
