// Twips to pixels at the system's density.
#include "win32_twips.h"

#include <cmath>

#include "twips.h"

namespace Win32Twips {

int dotsPerInch() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen) ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int toPixels(int twips) { return Twips::toPixels(twips, dotsPerInch()); }

std::optional<int> toPixels(double twips) {
    // Window coordinates are 16-bit numbers at heart.
    const double limit = fromPixels(32767);
    if (!(std::abs(twips) <= limit) || std::nearbyint(twips) != twips) return std::nullopt;
    return toPixels(static_cast<int>(twips));
}

double fromPixels(int pixels) { return Twips::fromPixels(pixels, dotsPerInch()); }

RECT toRect(int left, int top, int width, int height) {
    const int x = toPixels(left);
    const int y = toPixels(top);
    return RECT{x, y, x + toPixels(width), y + toPixels(height)};
}

int fontHeight(double points) {
    // Negative: the height of the characters themselves, not of the cell around them.
    return -static_cast<int>(std::lround(points * dotsPerInch() / 72.0));
}

}  // namespace Win32Twips
