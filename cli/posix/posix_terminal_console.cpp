// The terminal on POSIX systems.
#include <sys/ioctl.h>
#include <unistd.h>

#include "cli/terminal_console.h"

bool isTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) != 0; }

int terminalColumns(std::FILE* stream) {
    winsize size{};
    if (::ioctl(::fileno(stream), TIOCGWINSZ, &size) == 0) return size.ws_col;
    return 0;
}

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void writeText(std::FILE* stream, const std::string& text) { std::fputs(text.c_str(), stream); }
