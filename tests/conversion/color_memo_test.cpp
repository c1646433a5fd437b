// The colour-search memo: answers kept for one palette and start only, whole maps per source
// palette, and a full table that stops remembering rather than forgetting or mixing answers.
#include "color_memo.h"

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

TEST(ColorMemo, KeepsAnswersOnlyForThePaletteAndStartTheyWereFoundOn) {
    ColorMemo memo;
    memo.remember(colour(5), 200);  // before any palette: nothing to tie the answer to
    EXPECT_EQ(memo.find(colour(5)), std::nullopt);

    memo.prepare(paletteOf(1), 191);
    memo.remember(colour(5), 200);
    memo.remember(colour(0x050000), 201);
    memo.prepare(paletteOf(1), 191);  // the next picture of the same load
    EXPECT_EQ(memo.find(colour(5)), 200);
    EXPECT_EQ(memo.find(colour(0x050000)), 201);
    EXPECT_EQ(memo.find(colour(6)), std::nullopt);

    for (const auto& [palette, base] : {std::pair{paletteOf(3), 191}, {paletteOf(1), 0}}) {
        memo.prepare(paletteOf(1), 191);
        memo.remember(colour(5), 200);
        memo.prepare(palette, base);
        EXPECT_EQ(memo.find(colour(5)), std::nullopt) << base;
    }
}

TEST(ColorMemo, ManyColoursEachKeepTheirOwnAnswerUntilTheTableIsHalfFull) {
    ColorMemo memo;
    memo.prepare(paletteOf(1), 191);
    // These 2048 colours share 317 first slots: most answers sit further along a probe chain.
    const auto nth = [](std::uint32_t n) { return colour(n * 4099 % 0x1000000); };
    for (std::uint32_t n = 0; n < 2048; ++n) memo.remember(nth(n), static_cast<int>(n % 256));
    for (std::uint32_t n = 0; n < 2048; ++n) EXPECT_EQ(memo.find(nth(n)), int(n % 256)) << n;
    memo.remember(nth(5000), 7);
    EXPECT_EQ(memo.find(nth(5000)), std::nullopt);
}

TEST(ColorMemo, RemembersFourWholeSourcePaletteMaps) {
    ColorMemo memo;
    memo.prepare(paletteOf(1), 191);
    std::array<int, 256> map{};
    for (int seed = 1; seed <= 5; ++seed) {
        map.fill(seed);
        memo.rememberMap(paletteOf(seed), map);
    }
    for (int seed = 1; seed <= 4; ++seed) {
        ASSERT_NE(memo.mapOf(paletteOf(seed)), nullptr) << seed;
        EXPECT_EQ((*memo.mapOf(paletteOf(seed)))[17], seed);
    }
    EXPECT_EQ(memo.mapOf(paletteOf(5)), nullptr);
    memo.prepare(paletteOf(2), 191);
    EXPECT_EQ(memo.mapOf(paletteOf(1)), nullptr);
}
