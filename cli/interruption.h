// Ctrl-C, a closed terminal or a request to end, turned into a flag that the batch looks at
// between kits. A kit being written is finished or undone by its own code, so an interrupted run
// leaves neither a half-written jersey nor a hidden temporary file behind, and no clean-up has to
// run inside a signal handler.
#pragma once

class Interruption {
public:
    /** Starts watching; call before any other thread is started, so that they inherit it. */
    static void watch();
    /** True once the user or the system asked the program to stop. */
    static bool requested();
    /** Ends the process the way the request would have ended it, had nothing been watching. */
    [[noreturn]] static void endAsRequested();
};
