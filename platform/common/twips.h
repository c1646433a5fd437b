// Window geometry is designed in twips (1/1440 inch); at 96 dpi fifteen of them make one pixel.
#pragma once

#include <QRect>

namespace Twips {

inline constexpr int kPerPixel = 15;

/** The nearest whole pixel. Fifteen is odd, so a twip count never falls halfway between two. */
constexpr int toPixels(int twips) {
    const int rounded = (2 * (twips < 0 ? -twips : twips) + kPerPixel) / (2 * kPerPixel);
    return twips < 0 ? -rounded : rounded;
}

/** A control's left, top, width and height in twips, each converted on its own. */
constexpr QRect toPixels(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

}  // namespace Twips
