// Every bundled sample, in both colour modes, converts to exactly the bytes of its golden file.
// The golden files were checked by eye and against a separate calculation when they were made;
// any change of the converted bytes fails here. When a change is meant, rewrite them with the
// regenerate_golden target and look at the previews again.
#include "tests/conversion/golden_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;

TEST(GoldenConversion, EverySampleConvertsToItsGoldenFileInBothColourModes) {
    const fs::path resources = fs::path(VESTRIX_SOURCE_DIR) / "resources";
    const fs::path golden = fs::path(VESTRIX_SOURCE_DIR) / "tests" / "data" / "golden";
    std::set<std::string> expectedNames;
    for (const fs::path& sample : bundledSamples(resources)) {
        for (const GoldenMode& mode : kGoldenModes) {
            const std::string name = goldenName(sample, mode);
            SCOPED_TRACE(name);
            expectedNames.insert(name);
            std::ifstream in(golden / name, std::ios::binary);
            ASSERT_TRUE(in) << "no golden file";
            const std::vector<std::uint8_t> pinned{std::istreambuf_iterator<char>(in), {}};
            const std::vector<std::uint8_t> converted =
                convertSample(resources, sample, mode.paletteBase);
            ASSERT_EQ(converted.size(), pinned.size());
            const auto differs = std::mismatch(converted.begin(), converted.end(), pinned.begin());
            EXPECT_TRUE(differs.first == converted.end())
                << "first difference at offset " << (differs.first - converted.begin());
        }
    }
    EXPECT_GE(expectedNames.size(), 2u * 4);
    // No golden file left behind for a sample that is gone.
    std::set<std::string> present;
    for (const auto& item : fs::directory_iterator(golden)) {
        present.insert(item.path().filename().string());
    }
    EXPECT_EQ(present, expectedNames);
}
