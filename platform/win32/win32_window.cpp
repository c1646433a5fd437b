// The program's window procedure and the catch at its boundary.
#include "platform/win32/win32_window.h"

#include <exception>
#include <stdexcept>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_text.h"

namespace {
// A top-level window's density, on the window itself: its controls and pictures find it there.
constexpr const wchar_t* kDpiProperty = L"VestrixDpi";

std::function<void(const std::string&)>& failureReporter() {
    static std::function<void(const std::string&)> reporter;
    return reporter;
}

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

/** Moves every control inside window (at any depth) from one density to another. */
void rescaleControls(HWND window, int from, int to) {
    std::vector<HWND> children;
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
        // Left, top, width and height each on its own, as the twips of the design convert.
        SetWindowPos(child, nullptr, MulDiv(place.left, to, from), MulDiv(place.top, to, from),
                     MulDiv(place.right - place.left, to, from),
                     MulDiv(place.bottom - place.top, to, from), SWP_NOZORDER | SWP_NOACTIVATE);
    }
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

int Win32Window::dpiOf(HWND window) {
    if (!window) return Win32Dpi::system();
    HWND root = GetAncestor(window, GA_ROOT);
    if (!root) root = window;
    const auto stored = reinterpret_cast<INT_PTR>(GetPropW(root, kDpiProperty));
    return stored > 0 ? static_cast<int>(stored) : Win32Dpi::ofWindow(root);
}

int Win32Window::newWindowDpi(HWND owner) { return owner ? dpiOf(owner) : Win32Dpi::system(); }

void Win32Window::create(DWORD exStyle, const char* className, const char* title, DWORD style,
                         int x, int y, SIZE size, HWND parent, HMENU menu) {
    m_newDpi = (style & WS_CHILD) ? 0 : newWindowDpi(parent);
    CreateWindowExW(exStyle, wideText(className).c_str(), wideText(title).c_str(), style, x, y,
                    size.cx, size.cy, parent, menu, GetModuleHandleW(nullptr), this);
    if (!m_handle) throw std::runtime_error(std::string("Cannot create the window ") + className);
}

SIZE Win32Window::frameAround(HWND owner, int clientWidthTwips, int clientHeightTwips, DWORD style,
                              DWORD exStyle, bool hasMenu) {
    const int dpi = newWindowDpi(owner);
    RECT frame = Win32Twips(dpi).toRect(0, 0, clientWidthTwips, clientHeightTwips);
    Win32Dpi::adjustFrame(frame, style, hasMenu, exStyle, dpi);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

Win32Font& Win32Window::addFont(const char* face, double points, bool bold, bool underline) {
    m_fonts.push_back(std::make_unique<Win32Font>(face, points, dpi(), bold, underline));
    return *m_fonts.back();
}

void Win32Window::changeDpi(int newDpi, const RECT& suggested) {
    const int previous = dpi();
    SetPropW(m_handle, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(newDpi)));
    if (newDpi != previous) rescaleControls(m_handle, previous, newDpi);
    for (const std::unique_ptr<Win32Font>& font : m_fonts) font->rescale(newDpi);
    SetWindowPos(m_handle, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    dpiChanged();
    RedrawWindow(m_handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
        if (self->m_newDpi > 0) {
            SetPropW(window, kDpiProperty,
                     reinterpret_cast<HANDLE>(static_cast<INT_PTR>(self->m_newDpi)));
        }
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        RemovePropW(window, kDpiProperty);
        self->m_handle = nullptr;
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        self->destroyed();
        return result;
    }
    try {
        // A top-level window only: the new density for both directions, and where to go.
        if (message == WM_DPICHANGED && self->m_newDpi > 0) {
            self->changeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        }
        return self->handleMessage(message, wParam, lParam);
    } catch (const std::exception& failure) {
        reportFailure(failure.what());
    } catch (...) {
        reportFailure("An unexpected failure ended the last action.");
    }
    return 0;
}
