// The persistent background of the main window.
#include "skins/win32/win32_skin_surface.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/win32/win32_bitmap.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_window.h"

namespace {
std::uint32_t windowColour() {
    const COLORREF colour = GetSysColor(COLOR_BTNFACE);
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}
}  // namespace

Win32SkinSurface::Win32SkinSurface(HWND window) : m_window(window) { coverClientArea(); }

Win32SkinSurface::~Win32SkinSurface() {
    dropShown();
    if (m_bitmap) DeleteObject(m_bitmap);
}

void Win32SkinSurface::coverClientArea() {
    RECT client;
    GetClientRect(m_window, &client);
    const Win32Twips scale(Win32Window::dpiOf(m_window));
    const int width = std::max<int>(m_width, scale.designPixelsCovering(client.right));
    const int height = std::max<int>(m_height, scale.designPixelsCovering(client.bottom));
    if (width == m_width && height == m_height) return;

    std::uint32_t* pixels = nullptr;
    HBITMAP grown = createTopDownBitmap(width, height, pixels);
    if (!grown) throw std::runtime_error("Cannot make the window's background");
    std::fill(pixels, pixels + static_cast<std::size_t>(width) * height, windowColour());
    for (int y = 0; y < m_height; ++y) {
        std::memcpy(pixels + static_cast<std::size_t>(y) * width,
                    m_bits + static_cast<std::size_t>(y) * m_width, m_width * sizeof *m_bits);
    }
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = grown;
    m_bits = pixels;
    m_width = width;
    m_height = height;
    dropShown();
}

void Win32SkinSurface::paintSkin(const SkinPicture& picture) {
    coverClientArea();
    // The picture's pixels replace what is there; what lies beyond the background is cut off.
    const int width = std::min(picture.width, m_width);
    const int height = std::min(picture.height, m_height);
    for (int y = 0; y < height; ++y) {
        std::memcpy(m_bits + static_cast<std::size_t>(y) * m_width,
                    picture.pixels.data() + static_cast<std::size_t>(y) * picture.width,
                    static_cast<std::size_t>(width) * sizeof *m_bits);
    }
    GdiFlush();
    dropShown();
    InvalidateRect(m_window, nullptr, TRUE);
}

void Win32SkinSurface::dropShown() {
    if (m_shown) DeleteObject(m_shown);
    m_shown = nullptr;
}

HBITMAP Win32SkinSurface::shownBitmap(int dpi) {
    if (dpi == Win32Dpi::kDesign) return m_bitmap;
    RECT client;
    GetClientRect(m_window, &client);
    if (m_shown && m_shownDpi == dpi && m_shownSize.cx == client.right &&
        m_shownSize.cy == client.bottom) {
        return m_shown;
    }
    dropShown();
    // The whole picture pixels within the client area, stretched to exactly its size: at 150 %
    // an odd width ends in half a picture pixel, which would otherwise show the plain window
    // colour of the column grown with the window, or be left bare.
    const int width = std::min<int>(m_width, client.right * Win32Dpi::kDesign / dpi);
    const int height = std::min<int>(m_height, client.bottom * Win32Dpi::kDesign / dpi);
    m_shown = scaledSmoothly(m_bitmap, std::max(width, 1), std::max(height, 1),
                             std::max<int>(client.right, 1), std::max<int>(client.bottom, 1));
    m_shownDpi = dpi;
    m_shownSize = SIZE{client.right, client.bottom};
    return m_shown ? m_shown : m_bitmap;
}

void Win32SkinSurface::draw(HDC dc, const RECT& area) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, shownBitmap(Win32Window::dpiOf(m_window)));
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory,
           area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

std::uint32_t Win32SkinSurface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    GdiFlush();
    return m_bits[static_cast<std::size_t>(y) * m_width + x] & 0xFFFFFFu;
}
