// A preview box on Windows: drawn point by point by the conversion, into a bitmap of its own that
// outlives repaints.
#pragma once

#include <cstdint>

#include "conversion_host.h"
#include "win32_window.h"

class Win32PictureBox : public Win32Window, public PreviewSurface {
public:
    /** What a cleared box shows, as 0xRRGGBB. */
    static constexpr std::uint32_t kBackground = 0xC0C0C0;

    /** Picture1(index) of parent, at place (pixels). */
    Win32PictureBox(HWND parent, int index, const RECT& place);
    ~Win32PictureBox() override;

    /**
     * Colours the pixel nearest to (x, y), halves going to the even pixel; points off the box are
     * dropped. One unit is one pixel, the origin the top-left corner.
     */
    void pset(float x, float y, std::uint32_t colorValue) override;
    float currentY() const override { return m_currentY; }

    /** Erases every drawn point, leaving the background colour. */
    void clear();
    /** The drawing's pixel at x, y as 0xRRGGBB. */
    std::uint32_t pixel(int x, int y) const;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    /** Makes the bitmap the size of the box; what was drawn stays, new room is background. */
    void coverBox();

    HBITMAP m_bitmap = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    float m_currentY = 0;
    bool m_updatePending = false;
};
