// The check that tells a whole JPEG from one cut short, on the shipped skins.
#include "skins/jpeg_completeness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace {
std::vector<std::uint8_t> shipped(const char* name) {
    const std::string bytes =
        TempFolder::read(std::string(VESTRIX_SOURCE_DIR "/resources/") + name);
    return {bytes.begin(), bytes.end()};
}
bool complete(const std::vector<std::uint8_t>& bytes) { return isCompleteJpeg(bytes); }
}  // namespace

TEST(JpegCompleteness, AWholeFileIsCompleteAndOneCutAnywhereIsNot) {
    for (const char* name : {"subzero.jpg", "frost.jpg", "splash/banner.jpg"}) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> whole = shipped(name);
        ASSERT_GT(whole.size(), 1000u);
        EXPECT_TRUE(complete(whole));
        std::vector<std::uint8_t> trailing = whole;
        trailing.insert(trailing.end(), {0, 1, 2});  // what some cameras append
        EXPECT_TRUE(complete(trailing));
        // In the headers, in the tables, early and late in the picture data, at the end marker.
        for (const std::size_t cut :
             {std::size_t{1}, std::size_t{3}, std::size_t{30}, std::size_t{200}, whole.size() / 2,
              whole.size() - 2, whole.size() - 1}) {
            EXPECT_FALSE(complete({whole.begin(), whole.begin() + static_cast<long>(cut)}))
                << "cut at " << cut;
        }
    }
}

TEST(JpegCompleteness, WhatIsNoJpegIsNotComplete) {
    const std::vector<std::vector<std::uint8_t>> others = {
        {},
        {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A},
        {0xFF, 0xD8, 'J', 'F', 'I', 'F'},                  // garbage where the first marker belongs
        {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01, 0xFF, 0xD9},  // a segment length below its own two
    };
    for (const auto& bytes : others) EXPECT_FALSE(complete(bytes)) << bytes.size();
    EXPECT_TRUE(complete({0xFF, 0xD8, 0xFF, 0xFF, 0xD9}));  // fill bytes before a marker
}

// Many cameras and editors write restart markers into the picture data: a skin saved so is whole.
TEST(JpegCompleteness, RestartMarkersInThePictureDataBelongToIt) {
    const std::vector<std::uint8_t> withRestarts = {
        0xFF, 0xD8,                                      // start
        0xFF, 0xDD, 0x00, 0x04, 0x00, 0x02,              // restart interval: every 2 blocks
        0xFF, 0xDA, 0x00, 0x04, 0x01, 0x00,              // start of scan
        0x12, 0x34, 0xFF, 0x00, 0x56, 0xFF, 0xD0, 0x78,  // data, a stuffed byte, restart 0
        0x9A, 0xFF, 0xD1, 0xBC, 0xFF, 0xFF, 0xD2, 0xDE,  // restart 1, restart 2 after fill
        0xFF, 0xD9,                                      // end
    };
    EXPECT_TRUE(complete(withRestarts));
    for (const std::size_t cut : {std::size_t{21}, std::size_t{24}, withRestarts.size() - 1})
        EXPECT_FALSE(
            complete({withRestarts.begin(), withRestarts.begin() + static_cast<long>(cut)}))
            << "cut at " << cut;
}
