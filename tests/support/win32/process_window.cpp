// Finding another program's windows by walking the desktop's top-level windows.
#include "tests/support/win32/process_window.h"

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
            char name[64] = {};
            char text[512] = {};
            GetWindowThreadProcessId(candidate, &owner);
            GetClassNameA(candidate, name, sizeof name);
            GetWindowTextA(candidate, text, sizeof text);
            if (owner != s.process || !IsWindowVisible(candidate) || s.className != name ||
                (!s.title.empty() && s.title != text)) {
                return TRUE;
            }
            s.found = candidate;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
