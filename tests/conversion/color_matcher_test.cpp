// Matching jersey colours onto the shared palette.
#include "conversion/color_matcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "conversion/conversion_error.h"

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
    // Colours are added in the order they are met: a palette with free slots is no whole map.
    EXPECT_THROW(ColorMatcher(palette, 191, 0).matchPalette(palette), ConversionError);
}

namespace {
/**
 * The colour search as the rules state it, slowly: exact match first, then within 1, 2, 3 and 4
 * of every component, then a new slot while one is free, then wider until something matches.
 */
int plainSearch(Palette& palette, int& lastSlot, int paletteBase, const PaletteColor& color) {
    auto within = [&](int tolerance) {
        for (int k = paletteBase; k <= lastSlot; ++k) {
            const PaletteColor& p = palette[static_cast<std::size_t>(k)];
            if (std::abs(p.Red - color.Red) <= tolerance &&
                std::abs(p.Green - color.Green) <= tolerance &&
                std::abs(p.Blue - color.Blue) <= tolerance) {
                return k;
            }
        }
        return -1;
    };
    for (int tolerance = 0; tolerance <= 4; ++tolerance) {
        if (const int k = within(tolerance); k >= 0) return k;
    }
    if (lastSlot < ColorMatcher::kTopSlot) {
        palette[static_cast<std::size_t>(++lastSlot)] = color;
        return lastSlot;
    }
    for (int tolerance = 5;; ++tolerance) {
        if (const int k = within(tolerance); k >= 0) return k;
    }
}
}  // namespace

// Random palettes on a coarse grid (so ties are common) and colours near and far from them, for
// every search start and both ranges; the palette grows exactly as the plain search grows it.
TEST(ColorMatcher, GivesThePlainSearchsAnswersEverywhere) {
    std::uint32_t state = 12345;
    auto random = [&](int below) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(below));
    };
    for (int paletteBase = 0; paletteBase <= 255; ++paletteBase) {
        for (const int firstLastSlot : {191, 255}) {
            if (paletteBase > firstLastSlot) continue;
            const int grid = 1 + random(12);
            Palette palette;
            for (PaletteColor& c : palette)
                c = rgb(grid * random(256 / grid), grid * random(256 / grid),
                        grid * random(256 / grid));
            Palette expected = palette;
            int expectedLastSlot = firstLastSlot;
            ColorMatcher matcher(palette, firstLastSlot, paletteBase);
            auto colourToMatch = [&] {
                const PaletteColor& near = palette[static_cast<std::size_t>(random(256))];
                return random(2) ? rgb(std::clamp(near.Red + random(11) - 5, 0, 255),
                                       std::clamp(near.Green + random(11) - 5, 0, 255),
                                       std::clamp(near.Blue + random(11) - 5, 0, 255))
                                 : rgb(random(256), random(256), random(256));
            };
            for (int i = 0; i < 120; ++i) {
                const PaletteColor color = colourToMatch();
                ASSERT_EQ(matcher.MatchColor(color),
                          plainSearch(expected, expectedLastSlot, paletteBase, color))
                    << "base " << paletteBase << ", call " << i;
                ASSERT_EQ(matcher.lastSlot(), expectedLastSlot);
            }
            ASSERT_EQ(palette, expected);
            if (matcher.lastSlot() != ColorMatcher::kTopSlot) continue;
            // A whole source palette at once, as the later pictures are matched.
            Palette source;
            for (PaletteColor& c : source) c = colourToMatch();
            const auto answers = matcher.matchPalette(source);
            for (std::size_t c = 0; c < source.size(); ++c) {
                ASSERT_EQ(answers[c],
                          plainSearch(expected, expectedLastSlot, paletteBase, source[c]))
                    << "base " << paletteBase << ", colour " << c;
            }
        }
    }
}
