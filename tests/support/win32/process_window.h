// Finding another program's windows, as the tests that start vestrix.exe do.
#pragma once

#include <windows.h>

#include <string>

/** A visible top-level window of that process with this class (and this title, when one is
 *  given), or null. */
HWND visibleWindowOf(DWORD process, const std::string& className, const std::string& title = {});
