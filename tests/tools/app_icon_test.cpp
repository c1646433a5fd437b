// The desktop icon: the same shirt at every size, on a transparent ground an icon theme can use.
#include "app_icon.h"

#include <gtest/gtest.h>

TEST(AppIcon, EverySizeIsTheShirtOnATransparentGround) {
    for (const int size : AppIcon::kSizes) {
        SCOPED_TRACE(size);
        const QImage icon = AppIcon::draw(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        // Corners beside the shoulders and below the hem are left clear.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0);
        // The red body beside the stripes, a white stripe, a navy cuff.
        const auto at = [&](double x, double y) {
            return QColor(
                icon.pixel(static_cast<int>(x * size / 32), static_cast<int>(y * size / 32)));
        };
        EXPECT_GT(at(10, 22).red(), 180);
        EXPECT_LT(at(10, 22).green(), 60);
        EXPECT_GT(at(13, 22).lightness(), 200) << "white stripe";
        if (size >= 32) {
            EXPECT_GT(at(4.5, 12.5).blue(), 90) << "navy cuff";
        }
    }
}
