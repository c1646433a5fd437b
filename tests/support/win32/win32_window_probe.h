// What the Win32 view tests read off real windows: class, text, place in the parent's client area,
// client size; and the messages waiting for the test's own windows, handled.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

namespace Win32WindowProbe {

struct Place {
    int left, top, width, height;
    bool operator==(const Place&) const = default;
};

inline std::string className(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

inline std::string text(HWND window) {
    char buffer[512] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
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
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

/** A click: the left button pressed at (x, y) of window's client area, released at (x2, y2). */
inline void click(HWND window, int x, int y, int x2, int y2) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x2, y2));
}

inline std::ostream& operator<<(std::ostream& out, const Place& p) {
    return out << p.left << "," << p.top << " " << p.width << "x" << p.height;
}

}  // namespace Win32WindowProbe
