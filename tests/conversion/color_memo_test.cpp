// The colour-search memo: whole maps per source palette, kept for one palette and start only.
#include "conversion/color_memo.h"

#include <gtest/gtest.h>

namespace {
PaletteColor colour(std::uint32_t value) {
    return PaletteColor::fromRgb(value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF);
}
Palette paletteOf(int seed) {
    Palette palette{};
    for (int i = 0; i < 256; ++i) palette[i] = colour(static_cast<std::uint32_t>(i * seed));
    return palette;
}
}  // namespace

TEST(ColorMemo, KeepsFourWholeSourcePaletteMapsForThePaletteAndStartTheyWereFoundOn) {
    ColorMemo memo;
    ColorMemo::Map map{};
    memo.rememberMap(paletteOf(1), map);  // before any palette: nothing to tie the answers to
    EXPECT_EQ(memo.mapOf(paletteOf(1)), nullptr);

    memo.prepare(paletteOf(1), 191);
    for (int seed = 1; seed <= 5; ++seed) {
        map.fill(static_cast<std::uint8_t>(seed));
        memo.rememberMap(paletteOf(seed), map);
    }
    memo.prepare(paletteOf(1), 191);  // the next picture of the same load
    for (int seed = 1; seed <= 4; ++seed) {
        ASSERT_NE(memo.mapOf(paletteOf(seed)), nullptr) << seed;
        EXPECT_EQ((*memo.mapOf(paletteOf(seed)))[17], seed);
    }
    EXPECT_EQ(memo.mapOf(paletteOf(5)), nullptr);

    for (const auto& [palette, base] : {std::pair{paletteOf(3), 191}, {paletteOf(1), 0}}) {
        memo.prepare(paletteOf(1), 191);
        memo.rememberMap(paletteOf(1), map);
        memo.prepare(palette, base);
        EXPECT_EQ(memo.mapOf(paletteOf(1)), nullptr) << base;
    }
}
