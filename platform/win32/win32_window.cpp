// The program's window procedure and the catch at its boundary.
#include "win32_window.h"

#include <exception>
#include <stdexcept>

#include "win32_text.h"
#include "win32_twips.h"

namespace {
std::function<void(const std::string&)>& failureReporter() {
    static std::function<void(const std::string&)> reporter;
    return reporter;
}
}  // namespace

Win32Window::~Win32Window() {
    if (!m_handle) return;
    // The object is going: no message of the destruction may reach it.
    SetWindowLongPtrW(m_handle, GWLP_USERDATA, 0);
    DestroyWindow(m_handle);
}

void Win32Window::registerClass(const char* className, HICON icon, HICON smallIcon) {
    const std::wstring name = wideText(className);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, name.c_str(), &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    RegisterClassExW(&windowClass);
}

void Win32Window::setFailureReporter(std::function<void(const std::string&)> reporter) {
    failureReporter() = std::move(reporter);
}

void Win32Window::reportFailure(const std::string& message) {
    if (failureReporter()) {
        failureReporter()(message);
    } else {
        MessageBoxW(GetActiveWindow(), wideText(message).c_str(), L"Vestrix", MB_OK);
    }
}

void Win32Window::create(DWORD exStyle, const char* className, const char* title, DWORD style,
                         int x, int y, SIZE size, HWND parent, HMENU menu) {
    CreateWindowExW(exStyle, wideText(className).c_str(), wideText(title).c_str(), style, x, y,
                    size.cx, size.cy, parent, menu, GetModuleHandleW(nullptr), this);
    if (!m_handle) throw std::runtime_error(std::string("Cannot create the window ") + className);
}

SIZE Win32Window::frameAround(int clientWidthTwips, int clientHeightTwips, DWORD style,
                              DWORD exStyle, bool hasMenu) {
    RECT frame = Win32Twips::toRect(0, 0, clientWidthTwips, clientHeightTwips);
    AdjustWindowRectEx(&frame, style, hasMenu ? TRUE : FALSE, exStyle);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(m_handle, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_handle = nullptr;
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        self->destroyed();
        return result;
    }
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (const std::exception& failure) {
        reportFailure(failure.what());
    } catch (...) {
        reportFailure("An unexpected failure ended the last action.");
    }
    return 0;
}
