// Interruptions on Windows: the console's Ctrl-C, Ctrl-Break and close events. The handler runs
// on a thread of its own, so it only raises the flag; the batch stops after the kits in hand.
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "cli/interruption.h"

namespace {
std::atomic<bool> g_requested{false};

BOOL WINAPI onConsoleEvent(DWORD event) {
    if (g_requested.exchange(true)) return FALSE;  // a second time: the system's own handling
    // A closing console ends the process as soon as this returns: wait for the batch instead,
    // which ends the process itself (the system allows a few seconds).
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) Sleep(INFINITE);
    return TRUE;
}
}  // namespace

void Interruption::watch() { SetConsoleCtrlHandler(onConsoleEvent, TRUE); }

bool Interruption::requested() { return g_requested.load(std::memory_order_relaxed); }

void Interruption::endAsRequested() {
    std::fflush(nullptr);
    ExitProcess(STATUS_CONTROL_C_EXIT);
}
