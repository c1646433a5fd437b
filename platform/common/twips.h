// Window geometry is designed in twips (1/1440 inch); at 96 dpi fifteen of them make one pixel.
#pragma once

namespace Twips {

inline constexpr int kPerPixel = 15;

/** A control's place in whole pixels: left, top, width, height. */
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr bool operator==(const PixelRect&) const = default;
};

/** The nearest whole pixel. Fifteen is odd, so a twip count never falls halfway between two. */
constexpr int toPixels(int twips) {
    const int rounded = (2 * (twips < 0 ? -twips : twips) + kPerPixel) / (2 * kPerPixel);
    return twips < 0 ? -rounded : rounded;
}

/** A control's left, top, width and height in twips, each converted on its own. */
constexpr PixelRect toPixels(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

}  // namespace Twips
