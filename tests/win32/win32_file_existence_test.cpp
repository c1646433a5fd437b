// The file-existence test against the system's file attributes.
#include "platform/win32/win32_file_existence.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

TEST(Win32FileExistence, OnlyOrdinaryFilesCount) {
    const auto folder = std::filesystem::temp_directory_path() / "vestrix-file-existence";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "sub");
    for (const char* name : {"plain.exe", "hidden.exe", "system.exe", "readonly.exe"})
        std::ofstream(folder / name) << "x";
    ASSERT_TRUE(SetFileAttributesW((folder / "hidden.exe").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesW((folder / "system.exe").c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(SetFileAttributesW((folder / "readonly.exe").c_str(), FILE_ATTRIBUTE_READONLY));

    Win32FileExistence existence;
    const struct {
        const char* name;
        bool exists;
    } cases[] = {{"plain.exe", true},   {"readonly.exe", true}, {"hidden.exe", false},
                 {"system.exe", false}, {"sub", false},         {"missing.exe", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(existence.ordinaryFileExists((folder / c.name).string()), c.exists) << c.name;
    }
    for (const char* name : {"hidden.exe", "system.exe", "readonly.exe"}) {
        SetFileAttributesW((folder / name).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(folder);
}
