// The program's immediate end, behind an interface so that tests can record it instead.
#pragma once

class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    /**
     * Ends the program at once: no further event runs and nothing is saved on the way out. The
     * real one never returns; a test's records the call and returns, so callers stop their event
     * handler right after calling it.
     */
    virtual void exitNow(int status) = 0;
};
