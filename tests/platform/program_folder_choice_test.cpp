// The program folder: the executable's own where it can be written, otherwise the user's own copy
// of the shipped files, which keeps whatever the user already has; and what the start-up is told
// when neither will do.
#include "platform/common/program_folder_choice.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "tests/support/temp_folder.h"
#ifndef _WIN32
#include "tests/support/ordinary_user.h"
#endif

namespace fs = std::filesystem;

namespace {
using Files = std::map<std::string, std::string>;

void put(const fs::path& folder, const Files& files) {
    fs::create_directories(folder);
    for (const auto& [name, bytes] : files) {
        std::ofstream((folder / name).string(), std::ios::binary) << bytes;
    }
}

Files contents(const fs::path& folder) {
    Files files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        files[entry.path().filename().string()] = TempFolder::read(entry.path().string());
    }
    return files;
}
}  // namespace

TEST(ProgramFolderChoice, TheExecutablesFolderIfUsableElseTheUsersSeededWithoutReplacing) {
    const Files shipped{{"pk001.fsh", "SHPI template"},
                        {"fifa2k.pal", "JASC-PAL shipped"},
                        {"readme.txt", "read me"},
                        {"subzero.jpg", "skin"}};
    const Files mine{{"fifa2k.pal", "JASC-PAL mine"},
                     {"jersey.cfg", "\"a\"\r\n\"\"\r\n"},
                     {"pk001.fsh", ""}};  // left empty by a failed start
    Files mineSeeded = mine;  // what the user has wins; the rest comes from the installation
    mineSeeded.insert(shipped.begin(), shipped.end());
    mineSeeded["pk001.fsh"] = "SHPI template";
    const struct {
        const char* what;
        Files executableFolder, userHas, expected;
        bool executableChosen;
    } cases[] = {
        {"portable copy", {{"pk001.fsh", "SHPI work"}}, {}, {}, true},
        {"first start of an installed program", {}, {}, shipped, false},
        {"the user's own files stay", {{"fifa2k.pal", ""}}, mine, mineSeeded, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder root;
        const fs::path exe = root.path() / "bin";
        const fs::path share = root.path() / "share" / "vestrix";
        const fs::path user = root.path() / "data home" / "vestrix";
        put(exe, c.executableFolder);
        put(share, shipped);
        // Beside the installed executable, not the tool's own files: never copied; nor is an
        // empty file, which is all a failed start leaves.
        put(share, {{"vestrix.exe", "MZ"}, {"jersey.cfg", "x"}, {"frost.jpg", ""}});
        fs::permissions(share / "pk001.fsh", fs::perms::owner_read);
        if (!c.userHas.empty()) put(user, c.userHas);

        const ProgramFolderChoice::Choice chosen =
            ProgramFolderChoice::choose(exe, {exe, root.path() / "none", share, user}, user);
        EXPECT_EQ(chosen.folder, c.executableChosen ? exe : user);
        EXPECT_EQ(chosen.problem, "");
        EXPECT_EQ(contents(exe), c.executableFolder) << "the write test leaves nothing behind";
        if (!c.executableChosen) {
            EXPECT_EQ(contents(user), c.expected);
        }
        EXPECT_TRUE(ProgramFolderChoice::isUsable(chosen.folder)) << "each load patches it";
    }
}

TEST(ProgramFolderChoice, NeitherFolderUsableNamesTheFolderAndTheReason) {
    TempFolder root;
    const fs::path exe = root.path() / "bin";
    put(exe, {});
    const fs::path share = root.path() / "share";
    put(share, {{"pk001.fsh", "SHPI template"}});

    // A per-user folder whose parent is a file cannot be made, whoever runs the program.
    root.write("home", "not a folder");
    const fs::path user = root.path() / "home" / "vestrix";
    const auto blocked = ProgramFolderChoice::choose(exe, {exe, share}, user);
    EXPECT_EQ(blocked.problem, "Cannot create the folder " + user.string() +
                                   " for Vestrix's own files: " +
                                   std::make_error_code(std::errc::not_a_directory).message());

    // A portable copy (its palette beside the program) with its work file lost, or left empty,
    // is damaged: it stays the program folder, and nothing of the user's is made or seeded.
    const fs::path elsewhere = root.path() / "user";
    put(exe, {{"fifa2k.pal", "JASC-PAL"}});
    const auto missing = ProgramFolderChoice::choose(exe, {exe, share}, elsewhere);
    EXPECT_EQ(missing.folder, exe);
    EXPECT_EQ(missing.problem, "The work file " + (exe / "pk001.fsh").string() +
                                   " is missing: put back the pk001.fsh that came with Vestrix.");
    EXPECT_EQ(contents(exe), (Files{{"fifa2k.pal", "JASC-PAL"}})) << "nothing made there either";
    put(exe, {{"pk001.fsh", ""}});
    const auto empty = ProgramFolderChoice::choose(exe, {exe, share}, elsewhere);
    EXPECT_EQ(empty.folder, exe);
    EXPECT_EQ(empty.problem, "The work file " + (exe / "pk001.fsh").string() +
                                 " is empty: put back the pk001.fsh that came with Vestrix.");
    EXPECT_FALSE(fs::exists(elsewhere));
}

#ifndef _WIN32
TEST(ProgramFolderChoice, AFolderThatRefusesNewFilesIsNotUsable) {
    if (ranAsOrdinaryUser()) return;
    TempFolder root;
    const fs::path exe = root.path() / "Program Files";
    put(exe, {{"pk001.fsh", "SHPI template"}});
    fs::permissions(exe, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path user = root.path() / "user";
    const auto chosen = ProgramFolderChoice::choose(exe, {exe}, user);
    EXPECT_EQ(chosen.folder, user);
    EXPECT_EQ(contents(user), (Files{{"pk001.fsh", "SHPI template"}}));

    // A per-user folder that takes no files is named, with the system's reason.
    fs::remove(user / "pk001.fsh");
    fs::permissions(user, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(ProgramFolderChoice::choose(exe, {exe}, user).problem,
              "Cannot write into the folder " + user.string() + " for Vestrix's own files: " +
                  std::make_error_code(std::errc::permission_denied).message());
}
#endif
