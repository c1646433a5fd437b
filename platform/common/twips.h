// Window geometry is designed in twips (1/1440 inch); at 96 dpi fifteen of them make one pixel.
#pragma once

namespace Twips {

inline constexpr int kPerPixel = 15;
inline constexpr int kPerInch = 1440;

/** A control's place as designed, in twips: left, top, width, height. */
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

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

/**
 * The nearest whole pixel on a screen of dotsPerInch (96 gives toPixels above). Halves, which
 * other densities can give, go away from zero there too.
 */
constexpr int toPixels(int twips, int dotsPerInch) {
    const long long magnitude = twips < 0 ? -static_cast<long long>(twips) : twips;
    const long long rounded = (2 * magnitude * dotsPerInch + kPerInch) / (2 * kPerInch);
    return static_cast<int>(twips < 0 ? -rounded : rounded);
}

/** Pixels on a screen of dotsPerInch in twips, fraction kept. */
constexpr double fromPixels(int pixels, int dotsPerInch) {
    return static_cast<double>(pixels) * kPerInch / dotsPerInch;
}

}  // namespace Twips
