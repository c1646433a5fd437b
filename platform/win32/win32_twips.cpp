// Twips and 96-dpi pixels to pixels at a window's density.
#include "platform/win32/win32_twips.h"

#include <cmath>

#include "platform/common/twips.h"
#include "platform/win32/win32_dpi.h"

int Win32Twips::toPixels(int twips) const { return Twips::toPixels(twips, m_dpi); }

std::optional<int> Win32Twips::toPixels(double twips) const {
    // Window coordinates are 16-bit numbers at heart.
    const double limit = fromPixels(32767);
    if (!(std::abs(twips) <= limit) || std::nearbyint(twips) != twips) return std::nullopt;
    return toPixels(static_cast<int>(twips));
}

double Win32Twips::fromPixels(int pixels) const { return Twips::fromPixels(pixels, m_dpi); }

RECT Win32Twips::toRect(int left, int top, int width, int height) const {
    const int x = toPixels(left);
    const int y = toPixels(top);
    return RECT{x, y, x + toPixels(width), y + toPixels(height)};
}

int Win32Twips::fontHeight(double points) const {
    // Negative: the height of the characters themselves, not of the cell around them.
    return -static_cast<int>(std::lround(points * m_dpi / 72.0));
}

int Win32Twips::fromDesignPixels(int pixels) const {
    return MulDiv(pixels, m_dpi, Win32Dpi::kDesign);
}

int Win32Twips::designPixelsCovering(int pixels) const {
    return static_cast<int>((static_cast<long long>(pixels) * Win32Dpi::kDesign + m_dpi - 1) /
                            m_dpi);
}

int Win32Twips::blockStart(int n) const {
    // Whole blocks side by side: at 150 % the points are alternately one and two pixels wide.
    return static_cast<int>(static_cast<long long>(n) * m_dpi / Win32Dpi::kDesign);
}
