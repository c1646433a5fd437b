// Clicks on controls that are no buttons (a link, a picture): the left button pressed on the
// control and released over it. A press released elsewhere is no click.
#pragma once

#include <windows.h>

#include <functional>

namespace Win32Clicks {

/**
 * Calls onClick for every click on control until the control is destroyed. control must take the
 * mouse: a static needs SS_NOTIFY. A failure in onClick goes to Win32Window's reporter.
 */
void watch(HWND control, std::function<void()> onClick);

/** The same click for a static that must take no action: it keeps clicks from what lies behind. */
inline void swallow(HWND control) {
    watch(control, [] {});
}

}  // namespace Win32Clicks
