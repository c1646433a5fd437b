// The dropped-file rule both windows follow: one existing file, no folder, no web link.
#include "mainwindow/dropped_kit.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

TEST(DroppedKit, OnlyOneExistingFileThatIsNoFolderIsTaken) {
    TempFolder folder;
    const std::string kit = folder.write("home kit.fsh", "SHPI");
    const std::string other = folder.write("away.fsh", "SHPI");
    std::filesystem::create_directory(folder.path() / "kits");
    const struct {
        const char* what;
        std::vector<std::string> paths;
        std::string expected;
    } cases[] = {
        {"one kit", {kit}, kit},
        {"nothing", {}, ""},
        {"two kits at once", {kit, other}, ""},
        {"a web link", {""}, ""},
        {"a kit and a web link", {kit, ""}, ""},
        {"a folder", {folder.file("kits")}, ""},
        {"a file gone since", {folder.file("gone.fsh")}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(droppedKit(c.paths), c.expected) << c.what;
}
