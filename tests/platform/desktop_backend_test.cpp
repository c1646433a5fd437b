// The Linux desktop's web-page opener and system information tool, with stand-in programs on
// PATH, and where the program keeps its files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "platform/desktop/desktop_system_info_tool.h"
#include "platform/desktop/desktop_url_opener.h"
#include "platform/program_locations.h"
#include "tests/platform/recording_message_box.h"
#include "tests/platform/recording_program_starter.h"
#include "tests/platform/stand_in_programs.h"

TEST(DesktopSystemInfoTool, StartsTheFirstInstalledMonitorOrSaysThereIsNone) {
    StandInPrograms path(true);
    CallLog log;
    RecordingProgramStarter starter(log);
    RecordingMessageBox messages(log);
    DesktopSystemInfoTool tool(starter, messages);
    tool.start();
    EXPECT_EQ(log, CallLog{"message System Information Is Unavailable At This Time"});

    // Installed from the least preferred to the most: each time the newcomer is the one started.
    for (const char* name : {"lxtask", "xfce4-taskmanager", "mate-system-monitor", "ksysguard",
                             "plasma-systemmonitor", "gnome-system-monitor", "hardinfo"}) {
        path.add(name, "");
        log.clear();
        tool.start();
        EXPECT_EQ(log, CallLog{"run " + (path.folder() / name).string()}) << name;
    }

    // A file that cannot be run is no tool; the first that can, and fails to start, is reported.
    std::filesystem::remove(path.folder() / "hardinfo");
    std::ofstream(path.folder() / "hardinfo") << "not a program";
    starter.fails = true;
    log.clear();
    tool.start();
    EXPECT_EQ(log, (CallLog{"run " + (path.folder() / "gnome-system-monitor").string(),
                            "message System Information Is Unavailable At This Time"}));
}

TEST(DesktopUrlOpener, HandsTheAddressToTheDesktopOpenerAndReportsItsFailures) {
    CallLog log;
    RecordingProgramStarter starter(log);
    RecordingMessageBox messages(log);
    DesktopUrlOpener opener(starter, messages);
    opener.openUrl("https://example.test/a,b");
    EXPECT_EQ(log, CallLog{"web https://example.test/a,b"});
    // An opener that finds no browser tells us later, in its own words.
    starter.viewerFailed("no browser");
    EXPECT_EQ(log, (CallLog{"web https://example.test/a,b", "message no browser"}));

    starter.fails = true;
    log.clear();
    opener.openUrl("https://example.test/");
    EXPECT_EQ(log, (CallLog{"web https://example.test/",
                            "message Fatal error while communicating to browser"}));
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
