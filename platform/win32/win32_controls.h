// Making a window's named controls at their designed places.
#pragma once

#include <windows.h>

#include <optional>

namespace Win32Controls {

/**
 * A visible child control of the system's class className at place (pixels), named as
 * Win32ControlNames keeps names; id comes back in its WM_COMMAND notifications. Throws when the
 * control cannot be made.
 */
HWND create(HWND parent, const char* className, const char* text, DWORD style, const RECT& place,
            const char* name, int id = 0, DWORD exStyle = 0,
            std::optional<int> index = std::nullopt);

/** The width and height text takes in control's font: for labels sized to their text. */
SIZE textExtent(HWND control, const char* text);

}  // namespace Win32Controls
