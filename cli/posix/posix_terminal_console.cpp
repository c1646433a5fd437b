// The terminal on POSIX systems.
#include <sys/ioctl.h>
#include <unistd.h>

#include "terminal_console.h"

bool isTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) != 0; }

int terminalColumns(std::FILE* stream) {
    winsize size{};
    if (::ioctl(::fileno(stream), TIOCGWINSZ, &size) == 0) return size.ws_col;
    return 0;
}
