// The twips helper at screen densities other than 96 dpi: 1440 twips to the inch, to the nearest
// pixel, halves away from zero; and back, fraction kept.
#include "platform/common/twips.h"

#include <gtest/gtest.h>

TEST(Twips, ConvertsAtTheScreensDensity) {
    const struct {
        int twips, dotsPerInch, pixels;
    } cases[] = {
        {1935, 96, 129},  {6915, 96, 461},  {1984, 96, 132},
        {-120, 96, -8},   {1935, 120, 161}, {6915, 120, 576},
        {6, 120, 1},      {-6, 120, -1},    {5, 120, 0},
        {1935, 144, 194}, {375, 144, 38},   {-375, 144, -38},
        {0, 144, 0},      {1440, 192, 192}, {2147483640, 96, 143165576},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Twips::toPixels(c.twips, c.dotsPerInch), c.pixels)
            << c.twips << " twips at " << c.dotsPerInch << " dpi";
    }
    // 96 dpi is the designed fifteen twips to the pixel.
    for (int twips = -3000; twips <= 3000; ++twips) {
        ASSERT_EQ(Twips::toPixels(twips, 96), Twips::toPixels(twips)) << twips;
    }
    EXPECT_DOUBLE_EQ(Twips::fromPixels(129, 96), 1935.0);
    EXPECT_DOUBLE_EQ(Twips::fromPixels(161, 120), 1932.0);
    EXPECT_DOUBLE_EQ(Twips::fromPixels(1, 144), 10.0);
}
