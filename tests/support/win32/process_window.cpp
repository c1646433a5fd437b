// Finding another program's windows by walking the desktop's top-level windows.
#include "tests/support/win32/process_window.h"

#include <iterator>

#include "platform/win32/win32_text.h"

HWND visibleWindowOf(DWORD process, const std::string& className, const std::string& title) {
    struct Search {
        DWORD process;
        const std::string& className;
        const std::string& title;
        HWND found;
    } search{process, className, title, nullptr};
    EnumWindows(
        [](HWND candidate, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            wchar_t name[64] = {};
            wchar_t text[512] = {};
            GetWindowThreadProcessId(candidate, &owner);
            GetClassNameW(candidate, name, std::size(name));
            GetWindowTextW(candidate, text, std::size(text));
            if (owner != s.process || !IsWindowVisible(candidate) ||
                s.className != utf8Text(name) || (!s.title.empty() && s.title != utf8Text(text))) {
                return TRUE;
            }
            s.found = candidate;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
