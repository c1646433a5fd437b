// Reading a FIFA 99 kit for a load and the quick check it must pass before it is converted.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>

#include "conversion/conversion_error.h"
#include "conversion/source_archive.h"

namespace fs = std::filesystem;

namespace {
struct TempFolder {
    TempFolder() {
        path = fs::temp_directory_path() /
               ("vestrix-kit-read-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string file(const std::string& name, const std::string* bytes) const {
        const std::string full = (path / name).string();
        if (bytes) std::ofstream(full, std::ios::binary) << *bytes;
        return full;
    }
    fs::path path;
};

std::string header(const std::string& magic, unsigned char countLow, unsigned char countNext = 0) {
    std::string bytes = magic + std::string("\x10\x00\x00\x00", 4);
    bytes += static_cast<char>(countLow);
    bytes += static_cast<char>(countNext);
    return bytes + std::string("\0\0GIMX", 6);
}
}  // namespace

TEST(SourceArchiveCheck, WantsShpiAndFourteenInTheLowCountByte) {
    const struct {
        const char* what;
        std::string bytes;
        bool passes;
    } cases[] = {
        {"a FIFA 99 header", header("SHPI", 14), true},
        {"exactly nine bytes", header("SHPI", 14).substr(0, 9), true},
        {"count 270: low byte 14", header("SHPI", 14, 1), true},
        {"thirteen entries", header("SHPI", 13), false},
        {"fifteen entries", header("SHPI", 15), false},
        {"no entries", header("SHPI", 0), false},
        {"255 entries", header("SHPI", 255), false},
        {"lower-case magic", header("shpi", 14), false},
        {"other magic", header("SHPX", 14), false},
        {"eight bytes", header("SHPI", 14).substr(0, 8), false},
        {"three bytes", "SHP", false},
        {"empty", "", false},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        EXPECT_EQ(SourceArchive::open(folder.file("kit.fsh", &c.bytes)).isFifa99Jersey(), c.passes)
            << c.what;
    }
}

TEST(SourceArchiveCheck, WhatIsNoOrdinaryFileIsRefusedAndNothingIsCreated) {
    TempFolder folder;
    const std::string typed = folder.file("typed.fsh", nullptr);
    std::vector<std::string> refused{typed, (folder.path / "no-folder" / "kit.fsh").string(),
                                     folder.path.string()};
#ifndef _WIN32
    const std::string fifo = (folder.path / "pipe.fsh").string();
    ::mkfifo(fifo.c_str(), 0666);  // nobody writes it: the check must not wait for a writer
    refused.push_back(fifo);
#endif
    for (const std::string& path : refused)
        EXPECT_THROW(SourceArchive::open(path), SourceFileError) << path;
    EXPECT_FALSE(fs::exists(typed));
}
