// The real immediate end of the program.
#include "platform/common/immediate_exit.h"

#include <cstdio>
#include <cstdlib>

void ImmediateExit::exitNow(int status) {
    // Every file of ours is closed by the time a handler asks for the end; the event loop must not
    // run again, so this leaves without returning to Qt.
    std::fflush(nullptr);
    std::exit(status);
}
