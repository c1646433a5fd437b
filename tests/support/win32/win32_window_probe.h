// What the Win32 view tests read off real windows: class, text, place in the parent's client area,
// client size; and the messages waiting for the test's own windows, handled.
#pragma once

#include <windows.h>

#include <cstdint>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "platform/win32/win32_text.h"

namespace Win32WindowProbe {

struct Place {
    int left, top, width, height;
    bool operator==(const Place&) const = default;
};

inline Place placeOf(const RECT& pixels) {
    return {pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top};
}

inline std::string className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, std::size(name));
    return utf8Text(name);
}

inline std::string text(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, std::size(buffer));
    return utf8Text(buffer);
}

/** The window's place in its parent's client area, in pixels. */
inline Place place(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&frame), 2);
    return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

inline SIZE clientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

/** Handles every message waiting for this thread: what the message loop would do meanwhile. */
inline void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

/** A click: the left button pressed at (x, y) of window's client area, released at (x2, y2). */
inline void click(HWND window, int x, int y, int x2, int y2) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x2, y2));
}

/**
 * Tells a top-level window that it is now on a display of toDpi, as Windows does when the user
 * moves it there from one of fromDpi: WM_DPICHANGED with a frame around its client area scaled.
 */
inline void moveToDisplayOf(HWND window, int fromDpi, int toDpi) {
    RECT frame;
    GetWindowRect(window, &frame);
    const SIZE client = clientSize(window);
    RECT suggested{0, 0, MulDiv(client.cx, toDpi, fromDpi), MulDiv(client.cy, toDpi, fromDpi)};
    AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                       GetMenu(window) != nullptr,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    OffsetRect(&suggested, frame.left - suggested.left, frame.top - suggested.top);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(toDpi, toDpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

/** What window draws of its client area (WM_PRINTCLIENT), row by row, each pixel 0xRRGGBB. */
struct Drawing {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFFu;
    }
};

inline Drawing drawingOf(HWND window) {
    const SIZE client = clientSize(window);
    Drawing drawing{client.cx, client.cy, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.cx;
    info.bmiHeader.biHeight = -client.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    drawing.pixels.assign(pixels, pixels + static_cast<std::size_t>(client.cx) * client.cy);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return drawing;
}

inline std::ostream& operator<<(std::ostream& out, const Place& p) {
    return out << p.left << "," << p.top << " " << p.width << "x" << p.height;
}

}  // namespace Win32WindowProbe
