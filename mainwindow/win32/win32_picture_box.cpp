// A preview box with a persistent drawing.
#include "win32_picture_box.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "win32_bitmap.h"
#include "win32_control_names.h"

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
    if (m_bitmap && client.right == m_width && client.bottom == m_height) return;
    const int width = std::max<int>(client.right, 1);
    const int height = std::max<int>(client.bottom, 1);
    std::uint32_t* pixels = nullptr;
    HBITMAP bitmap = createTopDownBitmap(width, height, pixels);
    if (!bitmap) throw std::runtime_error("Cannot make a preview box's picture");
    std::fill(pixels, pixels + static_cast<std::size_t>(width) * height, kBackground);
    for (int y = 0; y < std::min(height, m_height); ++y) {
        std::memcpy(pixels + static_cast<std::size_t>(y) * width,
                    m_bits + static_cast<std::size_t>(y) * m_width,
                    static_cast<std::size_t>(std::min(width, m_width)) * sizeof *m_bits);
    }
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = bitmap;
    m_bits = pixels;
    m_width = width;
    m_height = height;
}

void Win32PictureBox::pset(float x, float y, std::uint32_t colorValue) {
    m_currentY = y;
    const double column = std::nearbyint(static_cast<double>(x));
    const double row = std::nearbyint(static_cast<double>(y));
    if (!(column >= 0 && column < m_width && row >= 0 && row < m_height)) return;
    // The conversion hands colours as red + 256 * green + 65536 * blue; the bitmap keeps them as
    // blue, green, red from the lowest byte up.
    const std::uint32_t rgb =
        ((colorValue & 0xFF) << 16) | (colorValue & 0xFF00) | ((colorValue >> 16) & 0xFF);
    m_bits[static_cast<std::size_t>(row) * m_width + static_cast<std::size_t>(column)] = rgb;
    if (!m_updatePending) {
        m_updatePending = true;
        InvalidateRect(handle(), nullptr, FALSE);
    }
}

void Win32PictureBox::clear() {
    std::fill(m_bits, m_bits + static_cast<std::size_t>(m_width) * m_height, kBackground);
    m_currentY = 0;
    InvalidateRect(handle(), nullptr, FALSE);
}

std::uint32_t Win32PictureBox::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    return m_bits[static_cast<std::size_t>(y) * m_width + x] & 0xFFFFFFu;
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
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(handle(), &paint);
            HDC memory = CreateCompatibleDC(dc);
            const HGDIOBJ previous = SelectObject(memory, m_bitmap);
            BitBlt(dc, 0, 0, m_width, m_height, memory, 0, 0, SRCCOPY);
            SelectObject(memory, previous);
            DeleteDC(memory);
            EndPaint(handle(), &paint);
            return 0;
        }
    }
    return Win32Window::handleMessage(message, wParam, lParam);
}
