// The committed corpus of damaged files is exactly what its generator makes, file for file.
#include "tools/damaged_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

TEST(DamagedFiles, TheCommittedCorpusIsTheGeneratorsOutput) {
    const std::filesystem::path corpus = VESTRIX_SOURCE_DIR "/tests/data/damaged";
    std::set<std::string> committed;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (entry.is_regular_file()) {
            committed.insert(entry.path().lexically_relative(corpus).generic_string());
        }
    }
    std::set<std::string> made;
    for (const DamagedFiles::DamagedFile& file : DamagedFiles::all()) {
        made.insert(file.name);
        std::ifstream in(corpus / file.name, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(bytes == file.bytes)
            << file.name << " differs: cmake --build BUILD --target regenerate_test_data";
    }
    EXPECT_EQ(committed, made);
}
