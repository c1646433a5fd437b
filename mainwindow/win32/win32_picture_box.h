// A preview box on Windows: drawn point by point by the conversion, into a bitmap of its own that
// outlives repaints.
#pragma once

#include <cstdint>
#include <vector>

#include "conversion/conversion_host.h"
#include "platform/win32/win32_window.h"

/**
 * The conversion draws in 96-dpi pixels, one point to a unit; on a display of another density
 * every point is shown as a sharp block of DPI/96 pixels (alternately one and two at 150 %), so
 * that the jersey's pixels stay distinct as the game shows them.
 */
class Win32PictureBox : public Win32Window, public PreviewSurface {
public:
    /** What a cleared box shows, as 0xRRGGBB. */
    static constexpr std::uint32_t kBackground = 0xC0C0C0;

    /** Picture1(index) of parent, at place (pixels). */
    Win32PictureBox(HWND parent, int index, const RECT& place);
    ~Win32PictureBox() override;

    /**
     * Colours the point nearest to (x, y), halves going to the even point; points off the box are
     * dropped. One unit is one 96-dpi pixel, the origin the top-left corner.
     */
    void pset(float x, float y, std::uint32_t colorValue) override;
    float currentY() const override { return m_currentY; }

    /** Erases every drawn point, leaving the background colour. */
    void clear();
    /** The drawing's point at x, y (in units) as 0xRRGGBB. */
    std::uint32_t pixel(int x, int y) const;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    /**
     * Makes the drawing and the bitmap shown the size of the box at its density; what was drawn
     * stays, new room is background.
     */
    void coverBox();
    /** Shows point x, y of the drawing as its block of the bitmap. */
    void showPoint(int x, int y);
    void paint(HDC dc);

    std::vector<std::uint32_t> m_points;  // the drawing, 0xRRGGBB, row by row
    int m_width = 0;
    int m_height = 0;
    HBITMAP m_bitmap = nullptr;  // what the box shows, at its density
    std::uint32_t* m_bits = nullptr;
    int m_bitmapWidth = 0;
    int m_bitmapHeight = 0;
    int m_dpi = 0;
    float m_currentY = 0;
    bool m_updatePending = false;
};
