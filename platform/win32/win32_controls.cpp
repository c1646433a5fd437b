// Child controls with names.
#include "platform/win32/win32_controls.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_text.h"

namespace Win32Controls {

HWND create(HWND parent, const char* className, const char* text, DWORD style, const RECT& place,
            const char* name, int id, DWORD exStyle, std::optional<int> index) {
    HWND control = CreateWindowExW(
        exStyle, wideText(className).c_str(), wideText(text).c_str(), WS_CHILD | WS_VISIBLE | style,
        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!control) throw std::runtime_error(std::string("Cannot create the control ") + name);
    Win32ControlNames::set(control, name, index);
    return control;
}

SIZE textExtent(HWND control, const char* text) {
    HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    const std::wstring wide = wideText(text);
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size;
}

}  // namespace Win32Controls
