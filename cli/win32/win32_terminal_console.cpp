// The console on Windows. The erase-line sequence needs the console's terminal mode, which is
// switched on here; a console without it (before Windows 10) gets no bar.
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "cli/terminal_console.h"
#include "platform/win32/win32_text.h"

namespace {
HANDLE consoleOf(std::FILE* stream) {
    const int descriptor = _fileno(stream);
    if (descriptor < 0 || !_isatty(descriptor)) return INVALID_HANDLE_VALUE;
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}
}  // namespace

bool isTerminal(std::FILE* stream) {
    const HANDLE console = consoleOf(stream);
    DWORD mode = 0;
    if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) return false;
    return (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
           SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

int terminalColumns(std::FILE* stream) {
    CONSOLE_SCREEN_BUFFER_INFO information{};
    const HANDLE console = consoleOf(stream);
    if (console == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(console, &information))
        return 0;
    return information.srWindow.Right - information.srWindow.Left + 1;
}

std::vector<std::string> programArguments(int, char**) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; arguments && i < count; ++i) result.push_back(utf8Text(arguments[i]));
    LocalFree(arguments);
    return result;
}

void writeText(std::FILE* stream, const std::string& text) {
    const HANDLE console = consoleOf(stream);
    DWORD mode = 0;
    if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) {
        std::fputs(text.c_str(), stream);
        return;
    }
    // What the C library holds back would otherwise come after this.
    std::fflush(stream);
    const std::wstring wide = wideText(text);
    DWORD written = 0;
    WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}
