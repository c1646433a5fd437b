// The main window's background on Windows: a bitmap of its own that the skins are painted on.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skins/skin_canvas.h"

/**
 * The skins accumulate in the bitmap, so a smaller skin painted over a larger one leaves the
 * larger one's edges showing, and every repaint of the window shows the same picture. The window
 * clips its children (WS_CLIPCHILDREN): the controls stay in front. The bitmap holds the skins at
 * their own size, a picture pixel to a 96-dpi pixel, as the windows were designed; the window
 * shows it smoothly enlarged to its display's density, over the whole client area.
 */
class Win32SkinSurface : public SkinCanvas {
public:
    /** window: the main window, whose client area the background covers. */
    explicit Win32SkinSurface(HWND window);
    ~Win32SkinSurface() override;
    Win32SkinSurface(const Win32SkinSurface&) = delete;
    Win32SkinSurface& operator=(const Win32SkinSurface&) = delete;

    void paintSkin(const SkinPicture& picture) override;

    /** Draws the part area of the window's background into dc (WM_ERASEBKGND, WM_PAINT...). */
    void draw(HDC dc, const RECT& area);
    /**
     * Grows the bitmap to the client area at the window's density (after a resize or a move to
     * another display); new parts show the plain window colour.
     */
    void coverClientArea();

    /** The background's size and pixels in picture pixels; a pixel as 0xRRGGBB. */
    int width() const { return m_width; }
    int height() const { return m_height; }
    std::uint32_t pixel(int x, int y) const;

private:
    /** The bitmap enlarged to the window's density, made again when anything changed. */
    HBITMAP shownBitmap(int dpi);
    void dropShown();

    HWND m_window;
    HBITMAP m_bitmap = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    HBITMAP m_shown = nullptr;
    int m_shownDpi = 0;
    SIZE m_shownSize{0, 0};
};
