// The twips of the windows' design, and the pixels of pictures drawn for a 96-dpi display, at one
// window's density. The windows are designed at 100 % (96 dpi, fifteen twips to the pixel); on a
// display scaled to 150 % every length is half as long again, pictures included.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/common/twips.h"

class Win32Twips {
public:
    explicit Win32Twips(int dotsPerInch) : m_dpi(dotsPerInch > 0 ? dotsPerInch : 96) {}

    int dotsPerInch() const { return m_dpi; }

    int toPixels(int twips) const;
    /**
     * A twips value from outside (the layout scaler) as pixels; nothing for a fraction of a twip
     * or a place beyond what a window can take.
     */
    std::optional<int> toPixels(double twips) const;
    /** Twips from pixels at this density, fraction kept. */
    double fromPixels(int pixels) const;
    /** A place given as left, top, width and height in twips, as pixels (left, top, right, bottom).
     */
    RECT toRect(int left, int top, int width, int height) const;
    RECT toRect(const Twips::Place& place) const {
        return toRect(place.left, place.top, place.width, place.height);
    }
    /** The font height of CreateFont for a size in points. */
    int fontHeight(double points) const;

    /** A length in 96-dpi pixels (a picture's, a preview's points) at this density, rounded. */
    int fromDesignPixels(int pixels) const;
    /**
     * The 96-dpi pixels it takes to cover pixels at this density: a picture that many units wide,
     * drawn at this density, leaves no gap.
     */
    int designPixelsCovering(int pixels) const;
    /** Where 96-dpi pixel n starts at this density: pixel n covers [start(n), start(n + 1)). */
    int blockStart(int n) const;

private:
    int m_dpi;
};
