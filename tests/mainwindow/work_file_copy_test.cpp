// Copying the work file to the user's target: the target's final bytes, and which file a failure
// names (the program's own work file is reported differently from the user's target).
#include "work_file_copy.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>

#include "write_target.h"

namespace fs = std::filesystem;

namespace {
std::string pattern(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(i % 251);
    return bytes;
}
void put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
std::string get(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST(WorkFileCopy, LeavesExactlyTheWorkFilesBytesOrTheOldTarget) {
    const fs::path dir =
        fs::temp_directory_path() /
        ("vestrix-copy-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path work = dir / "pk001.fsh", target = dir / "kit.fsh";
    put(work, pattern(9000));
    put(target, std::string(20000, 'x'));

    WorkFileCopy::copyFile(work.string(), WriteTarget::examine(target.string()));
    EXPECT_EQ(get(target), pattern(9000));  // a longer old file is cut to the work file's length

    // A work file that is gone, or a FIFO in its place, is the program's problem, not the save's.
    fs::remove(work);
    EXPECT_THROW(WorkFileCopy::copyFile(work.string(), WriteTarget::examine(target.string())),
                 WorkFileReadError);
#ifndef _WIN32
    ::mkfifo(work.c_str(), 0666);
    EXPECT_THROW(WorkFileCopy::copyFile(work.string(), WriteTarget::examine(target.string())),
                 WorkFileReadError);
#endif
    EXPECT_EQ(get(target), pattern(9000));
    fs::remove_all(dir);
}
