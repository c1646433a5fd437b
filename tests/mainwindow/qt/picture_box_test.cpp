// The preview boxes: where a point at fractional coordinates lands, and what survives.
#include "mainwindow/qt/picture_box.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {
constexpr QRgb kRed = 0xFFFF0000;
}

TEST(PictureBox, PointsLandOnTheNearestPixelHalvesGoingToEven) {
    const struct {
        float x, y;
        QPoint pixel;  // (-1, -1): off the box, dropped
    } cases[] = {
        {0.0f, 0.0f, {0, 0}},    {0.5f, 0.5f, {0, 0}},   {1.5f, 2.5f, {2, 2}},
        {2.49f, 3.51f, {2, 4}},  {-0.4f, 0.0f, {0, 0}},  {-0.6f, 0.0f, {-1, -1}},
        {9.4f, 9.4f, {9, 9}},    {9.5f, 0.0f, {-1, -1}}, {0.0f, 10.0f, {-1, -1}},
        {1e30f, 1.0f, {-1, -1}},
    };
    for (const auto& c : cases) {
        PictureBox box(0, nullptr);
        box.resize(10, 10);
        box.pset(c.x, c.y, 0x0000FF);    // red in the low byte
        EXPECT_EQ(box.currentY(), c.y);  // off the box or not
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const QRgb expected = QPoint(x, y) == c.pixel ? kRed : PictureBox::kBackground;
                ASSERT_EQ(box.image().pixel(x, y), expected)
                    << c.x << "," << c.y << " at " << x << "," << y;
            }
        }
    }
}

TEST(PictureBox, DrawingSurvivesRepaintAndGrowthUntilCleared) {
    PictureBox box(3, nullptr);
    box.resize(4, 4);
    box.pset(1, 2, 0x00FF00 | 0x10);  // green 255, red 16
    box.resize(8, 8);  // as a re-layout may do: the drawing stays, new room is background
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(1, 2), qRgb(16, 255, 0));
    EXPECT_EQ(shown.pixel(6, 6), PictureBox::kBackground);

    box.clear();
    EXPECT_EQ(box.currentY(), 0.0f);
    EXPECT_EQ(box.grab().toImage().pixel(1, 2), PictureBox::kBackground);
}
