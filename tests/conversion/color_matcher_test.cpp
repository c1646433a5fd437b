// Matching jersey colours onto the shared palette.
#include <gtest/gtest.h>

#include "color_matcher.h"
#include "conversion_error.h"

namespace {
PaletteColor rgb(int r, int g, int b) { return PaletteColor::fromRgb(r, g, b); }

/** A palette far from the test colours everywhere, with a few chosen entries. */
Palette farPalette() {
    Palette palette;
    palette.fill(rgb(255, 0, 255));
    return palette;
}
}  // namespace

TEST(ColorMatcher, PrefersTheClosestThenTheLowestIndex) {
    Palette palette = farPalette();
    palette[10] = rgb(101, 100, 100);
    palette[100] = rgb(100, 100, 100);
    palette[20] = rgb(50, 53, 50);
    palette[30] = rgb(53, 50, 50);
    ColorMatcher matcher(palette, 255, 0);
    EXPECT_EQ(matcher.MatchColor(rgb(100, 100, 100)), 100);  // exact beats a lower index 1 away
    EXPECT_EQ(matcher.MatchColor(rgb(50, 50, 50)), 20);      // same distance: lower index wins
}

TEST(ColorMatcher, AddsColoursFartherThanFourWhileSlotsAreFree) {
    Palette palette = farPalette();
    palette[50] = rgb(100, 100, 100);
    ColorMatcher matcher(palette, 191, 0);
    EXPECT_EQ(matcher.MatchColor(rgb(104, 100, 100)), 50);
    EXPECT_EQ(matcher.MatchColor(rgb(100, 95, 100)), 192);
    EXPECT_EQ(palette[192], rgb(100, 95, 100));
    EXPECT_EQ(matcher.MatchColor(rgb(100, 95, 100)), 192);
    EXPECT_EQ(matcher.lastSlot(), 192);
}

TEST(ColorMatcher, NormalModeSearchesOnlyFromSlot191AndStopsAddingAt255) {
    Palette palette = farPalette();
    palette[5] = rgb(0, 0, 0);  // below the searched range in normal mode
    ColorMatcher matcher(palette, 191, 191);
    // 64 colours, each 5 away from all others: every one takes a slot of its own.
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(matcher.MatchColor(rgb(5 * (i % 50), 5 * (i / 50), 0)), 192 + i);
    }
    EXPECT_EQ(matcher.lastSlot(), 255);
    // The 65th colour takes the nearest searched one, which may be an added one.
    EXPECT_EQ(matcher.MatchColor(rgb(9, 0, 0)), 194);
    EXPECT_EQ(matcher.MatchColor(rgb(254, 0, 254)), 191);
    EXPECT_EQ(matcher.lastSlot(), 255);
}

TEST(ColorMatcher, RefusesASearchRangeThatIsEmpty) {
    Palette palette{};
    EXPECT_THROW(ColorMatcher(palette, 191, 192), ConversionError);
    EXPECT_THROW(ColorMatcher(palette, 255, -1), ConversionError);
}
