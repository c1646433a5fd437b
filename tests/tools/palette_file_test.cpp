// fifa2k.pal: a JASC-PAL file the converter can read, with the fixed colours it relies on.
#include <gtest/gtest.h>

#include "tests/tools/test_resources.h"

namespace {

constexpr int kAlwaysSearched = 191;  // searched in the normal colour mode too
constexpr int kFixedColours = 192;    // 192..255 are taken by a jersey's colours

std::vector<Rgb> committedPalette() { return readJascColours(committedResources() / "fifa2k.pal"); }

}  // namespace

TEST(PaletteFile, IsJascPalWith256ColourLinesAndCrLf) {
    std::vector<Rgb> colours;
    ASSERT_NO_THROW(colours = committedPalette());
    EXPECT_EQ(colours.size(), 256u);
}

TEST(PaletteFile, FixedColoursServeBothColourModes) {
    const std::vector<Rgb> colours = committedPalette();
    ASSERT_EQ(colours.size(), 256u);

    // White, the commonest kit colour, needs no slot in normal mode.
    EXPECT_EQ(colours[kAlwaysSearched], (Rgb{255, 255, 255}));

    // In 64-colour mode the grey shading of white and black kits never costs a slot.
    for (int grey = 0; grey < 256; ++grey) {
        const Rgb wanted{static_cast<std::uint8_t>(grey), static_cast<std::uint8_t>(grey),
                         static_cast<std::uint8_t>(grey)};
        int nearest = 255;
        for (int i = 0; i < kFixedColours; ++i) {
            nearest =
                std::min(nearest, colourDistance(colours[static_cast<std::size_t>(i)], wanted));
        }
        EXPECT_LE(nearest, 4) << "grey " << grey;
    }

    // A repeated fixed colour would waste one of the few the 64-colour mode searches.
    for (int i = 0; i < kFixedColours; ++i) {
        for (int j = i + 1; j < kFixedColours; ++j) {
            EXPECT_NE(colours[static_cast<std::size_t>(i)], colours[static_cast<std::size_t>(j)])
                << i << " and " << j;
        }
    }
}

TEST(PaletteFile, NormalModeRangeStaysACoarseColourCube) {
    // The back and sleeve pictures are matched against colours 191..255; before a jersey's colours
    // take the slots, any colour must find something within half a step of a 4-level cube there.
    const std::vector<Rgb> colours = committedPalette();
    ASSERT_EQ(colours.size(), 256u);
    for (int r = 0; r < 256; r += 17) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 17) {
                const Rgb wanted{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                 static_cast<std::uint8_t>(b)};
                int nearest = 255;
                for (int i = kAlwaysSearched; i < 256; ++i) {
                    nearest = std::min(
                        nearest, colourDistance(colours[static_cast<std::size_t>(i)], wanted));
                }
                EXPECT_LE(nearest, 43) << r << ' ' << g << ' ' << b;
            }
        }
    }
}
