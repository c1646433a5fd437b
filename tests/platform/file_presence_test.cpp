// The presence test of the program's own files.
#include "platform/common/file_presence.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

TEST(FilePresence, CountsOnlyFilesThatHoldSomethingAndLeavesAbsentOnesEmpty) {
    TempFolder folder;
    EXPECT_FALSE(isPresentCreatingIfAbsent(folder.file("absent")));
    EXPECT_TRUE(fs::exists(folder.path() / "absent"));
    EXPECT_EQ(fs::file_size(folder.path() / "absent"), 0u);
    EXPECT_FALSE(isPresentCreatingIfAbsent(folder.write("empty", "")));
    EXPECT_TRUE(isPresentCreatingIfAbsent(folder.write("one", "x")));
    EXPECT_EQ(TempFolder::read(folder.file("one")), "x");  // opened, never changed
    EXPECT_FALSE(isPresentCreatingIfAbsent(folder.file("no-folder/pk001.fsh")));
}
