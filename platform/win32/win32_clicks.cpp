// Following the left button on a subclassed control.
#include "platform/win32/win32_clicks.h"

#include <commctrl.h>

#include <exception>

#include "platform/win32/win32_window.h"

namespace {
constexpr UINT_PTR kSubclassId = 0x56434c4b;  // one subclass of ours per control

struct Watch {
    std::function<void()> onClick;
    bool pressed = false;
};

LRESULT CALLBACK clickProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    auto* watch = reinterpret_cast<Watch*>(data);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Taken here: the static's own notification would come on the press.
            watch->pressed = true;
            SetCapture(control);
            return 0;
        case WM_LBUTTONUP: {
            if (!watch->pressed) return 0;
            watch->pressed = false;
            ReleaseCapture();
            RECT area;
            GetClientRect(control, &area);
            const POINT where{static_cast<short>(LOWORD(lParam)),
                              static_cast<short>(HIWORD(lParam))};
            if (!PtInRect(&area, where)) return 0;
            try {
                watch->onClick();
            } catch (const std::exception& failure) {
                Win32Window::reportFailure(failure.what());
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            watch->pressed = false;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, clickProcedure, kSubclassId);
            delete watch;
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}
}  // namespace

namespace Win32Clicks {

void watch(HWND control, std::function<void()> onClick) {
    SetWindowSubclass(control, clickProcedure, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(new Watch{std::move(onClick)}));
}

}  // namespace Win32Clicks
