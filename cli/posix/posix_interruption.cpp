// Interruptions on POSIX systems: the signals are blocked in every thread and taken by one
// watching thread with sigwait, in ordinary code. A second signal while the batch winds down ends
// the program at once, for a write that never returns.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "cli/interruption.h"

namespace {
std::atomic<int> g_signal{0};

sigset_t watchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, signal);
    return set;
}
}  // namespace

void Interruption::watch() {
    // A file-size limit then fails the write like a full disk, instead of ending the program
    // with a temporary file half-written.
    ::signal(SIGXFSZ, SIG_IGN);
    const sigset_t set = watchedSignals();
    if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) return;
    std::thread([set] {
        int signal = 0;
        if (sigwait(&set, &signal) != 0) return;
        g_signal = signal;
        // From now on the next one takes its default course, on this thread alone.
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
        for (;;) ::pause();
    }).detach();
}

bool Interruption::requested() { return g_signal.load(std::memory_order_relaxed) != 0; }

void Interruption::endAsRequested() {
    const int signal = g_signal.load();
    const sigset_t set = watchedSignals();
    ::signal(signal, SIG_DFL);
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);  // not reached: the default action of all three ends the process
}
