// The per-monitor calls looked up at run time, so that the program still starts where they are
// missing.
#include "platform/win32/win32_dpi.h"

namespace Win32Dpi {
namespace {
/** user32's function name, or null when this system has none by that name. */
template <typename Function>
Function* user32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function*>(
                        reinterpret_cast<void (*)()>(GetProcAddress(user32, name)))
                  : nullptr;
}

int screenDensity() {
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return value > 0 ? value : kDesign;
}
}  // namespace

int system() {
    static auto* const getDpiForSystem = user32Function<UINT WINAPI()>("GetDpiForSystem");
    const int dpi = getDpiForSystem ? static_cast<int>(getDpiForSystem()) : 0;
    return dpi > 0 ? dpi : screenDensity();
}

int ofWindow(HWND window) {
    static auto* const getDpiForWindow = user32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
    const int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : system();
}

void adjustFrame(RECT& frame, DWORD style, bool hasMenu, DWORD exStyle, int dpi) {
    static auto* const adjustForDpi =
        user32Function<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    const BOOL menu = hasMenu ? TRUE : FALSE;
    if (!adjustForDpi || !adjustForDpi(&frame, style, menu, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&frame, style, menu, exStyle);
    }
}

int systemMetric(int index, int dpi) {
    static auto* const metricForDpi =
        user32Function<int WINAPI(int, UINT)>("GetSystemMetricsForDpi");
    if (metricForDpi) return metricForDpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, system());
}

}  // namespace Win32Dpi
