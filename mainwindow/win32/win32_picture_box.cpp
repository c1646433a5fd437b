// A preview box with a persistent drawing.
#include "mainwindow/win32/win32_picture_box.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/win32/win32_bitmap.h"
#include "platform/win32/win32_control_names.h"

namespace {
constexpr const char* kClassName = "VestrixPictureBox";
}  // namespace

Win32PictureBox::Win32PictureBox(HWND parent, int index, const RECT& place) {
    registerClass(kClassName);
    create(0, kClassName, "", WS_CHILD | WS_VISIBLE, place.left, place.top,
           SIZE{place.right - place.left, place.bottom - place.top}, parent);
    Win32ControlNames::set(handle(), "Picture1", index);
    coverBox();
}

Win32PictureBox::~Win32PictureBox() {
    if (m_bitmap) DeleteObject(m_bitmap);
}

void Win32PictureBox::coverBox() {
    RECT client;
    GetClientRect(handle(), &client);
    const Win32Twips scale = twips();
    const int bitmapWidth = std::max<int>(client.right, 1);
    const int bitmapHeight = std::max<int>(client.bottom, 1);
    if (m_bitmap && bitmapWidth == m_bitmapWidth && bitmapHeight == m_bitmapHeight &&
        scale.dotsPerInch() == m_dpi) {
        return;
    }
    const int width = scale.designPixelsCovering(bitmapWidth);
    const int height = scale.designPixelsCovering(bitmapHeight);
    if (width != m_width || height != m_height) {
        std::vector<std::uint32_t> points(static_cast<std::size_t>(width) * height, kBackground);
        for (int y = 0; y < std::min(height, m_height); ++y) {
            std::copy_n(m_points.begin() + static_cast<std::ptrdiff_t>(y) * m_width,
                        std::min(width, m_width),
                        points.begin() + static_cast<std::ptrdiff_t>(y) * width);
        }
        m_points = std::move(points);
        m_width = width;
        m_height = height;
    }
    std::uint32_t* pixels = nullptr;
    HBITMAP bitmap = createTopDownBitmap(bitmapWidth, bitmapHeight, pixels);
    if (!bitmap) throw std::runtime_error("Cannot make a preview box's picture");
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = bitmap;
    m_bits = pixels;
    m_bitmapWidth = bitmapWidth;
    m_bitmapHeight = bitmapHeight;
    m_dpi = scale.dotsPerInch();
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) showPoint(x, y);
    }
}

void Win32PictureBox::showPoint(int x, int y) {
    const Win32Twips scale(m_dpi);
    // The bitmap keeps blue, green, red from the lowest byte up, as 0xRRGGBB reads.
    const std::uint32_t colour = m_points[static_cast<std::size_t>(y) * m_width + x];
    const int right = std::min(scale.blockStart(x + 1), m_bitmapWidth);
    const int bottom = std::min(scale.blockStart(y + 1), m_bitmapHeight);
    for (int row = scale.blockStart(y); row < bottom; ++row) {
        std::fill(m_bits + static_cast<std::size_t>(row) * m_bitmapWidth + scale.blockStart(x),
                  m_bits + static_cast<std::size_t>(row) * m_bitmapWidth + right, colour);
    }
}

void Win32PictureBox::pset(float x, float y, std::uint32_t colorValue) {
    m_currentY = y;
    const double column = std::nearbyint(static_cast<double>(x));
    const double row = std::nearbyint(static_cast<double>(y));
    if (!(column >= 0 && column < m_width && row >= 0 && row < m_height)) return;
    // The conversion hands colours as red + 256 * green + 65536 * blue.
    const std::uint32_t rgb =
        ((colorValue & 0xFF) << 16) | (colorValue & 0xFF00) | ((colorValue >> 16) & 0xFF);
    m_points[static_cast<std::size_t>(row) * m_width + static_cast<std::size_t>(column)] = rgb;
    showPoint(static_cast<int>(column), static_cast<int>(row));
    if (!m_updatePending) {
        m_updatePending = true;
        InvalidateRect(handle(), nullptr, FALSE);
    }
}

void Win32PictureBox::clear() {
    std::fill(m_points.begin(), m_points.end(), kBackground);
    std::fill(m_bits, m_bits + static_cast<std::size_t>(m_bitmapWidth) * m_bitmapHeight,
              kBackground);
    m_currentY = 0;
    InvalidateRect(handle(), nullptr, FALSE);
}

std::uint32_t Win32PictureBox::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    return m_points[static_cast<std::size_t>(y) * m_width + x];
}

void Win32PictureBox::paint(HDC dc) {
    HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(memory, m_bitmap);
    BitBlt(dc, 0, 0, m_bitmapWidth, m_bitmapHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

LRESULT Win32PictureBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the picture covers the whole box
        case WM_SIZE:
            coverBox();
            break;
        case WM_PAINT: {
            m_updatePending = false;
            PAINTSTRUCT paintStruct;
            HDC dc = BeginPaint(handle(), &paintStruct);
            paint(dc);
            EndPaint(handle(), &paintStruct);
            return 0;
        }
        case WM_PRINTCLIENT:
            // A copy of what the box shows (PrintWindow, window animations).
            paint(reinterpret_cast<HDC>(wParam));
            return 0;
    }
    return Win32Window::handleMessage(message, wParam, lParam);
}
