// The committed resources are exactly what the generators make: nobody edited them by hand,
// and a change to a generator is not forgotten in resources/.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "tests/tools/test_resources.h"
#include "tools/resource_set.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> fshFilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (item.path().extension() == ".fsh") names.insert(item.path().filename().string());
    }
    return names;
}

}  // namespace

TEST(GeneratedResources, GeneratorReproducesTheCommittedFilesByteForByte) {
    const fs::path out = fs::path(::testing::TempDir()) / "vestrix-generated-resources";
    fs::remove_all(out);
    ResourceSet::write(out);

    int compared = 0;
    for (const auto& item : fs::recursive_directory_iterator(out)) {
        if (!item.is_regular_file()) continue;
        const fs::path relative = fs::relative(item.path(), out);
        SCOPED_TRACE(relative.string());
        ASSERT_TRUE(fs::exists(committedResources() / relative)) << "not committed";
        EXPECT_TRUE(readBytes(item.path()) == readBytes(committedResources() / relative))
            << "differs from the generator's output; run the regenerate_resources target";
        ++compared;
    }
    EXPECT_GE(compared, 2 + 3);  // template, palette file, at least three samples
    // No sample left behind that the generator no longer makes.
    EXPECT_EQ(fshFilesIn(committedResources() / "samples"), fshFilesIn(out / "samples"));
    fs::remove_all(out);
}
