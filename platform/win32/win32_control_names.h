// The names of a window's controls (Command1, Picture1 index 3...), kept as window properties, so
// that the layout scaler and the tests find a control by the name the window gives it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace Win32ControlNames {

/**
 * Names control. name must outlive it (a string literal); index is the control's place in a
 * control array, nothing for a control outside one.
 */
void set(HWND control, const char* name, std::optional<int> index = std::nullopt);
/** Empty for a window without a name. */
std::string name(HWND control);
std::optional<int> index(HWND control);
/** The named control among parent's descendants; null when there is none. */
HWND find(HWND parent, std::string_view name, std::optional<int> index = std::nullopt);

}  // namespace Win32ControlNames
