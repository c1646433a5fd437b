// The kit named on the command line becomes the full path the Load command remembers.
#include "mainwindow/qt/kit_argument.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(KitArgument, RelativeNamesCountFromTheCurrentFolderAndFileUrlsAreLocalFiles) {
    const std::string here = std::filesystem::current_path().string();
    const struct {
        std::string argument;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"club.fsh", here + "/club.fsh"},
        {"kits/../kits/club.fsh", here + "/kits/club.fsh"},
        {"/home/a/My Kits/club.fsh", "/home/a/My Kits/club.fsh"},
        {"file:///home/a/My%20Kits/club.fsh", "/home/a/My Kits/club.fsh"},
        // A name in no valid UTF-8 keeps its bytes, as an argument and as a URL.
        {"/kits/bad\xff\xfe.fsh", "/kits/bad\xff\xfe.fsh"},
        {"file:///kits/bad%FF%FE.fsh", "/kits/bad\xff\xfe.fsh"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KitArgument::fullPath(c.argument), c.expected) << c.argument;

    char program[] = "vestrix", option[] = "--", kit[] = "-dash.fsh";
    char* argv[] = {program, option, kit};
    EXPECT_EQ(KitArgument::fromCommandLine(3, argv), here + "/-dash.fsh");
}
