// Work handed to a window's thread from any other: a queue of tasks that the window runs, in the
// order they were posted, from its message loop.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

/**
 * The window's procedure answers its private message with runNext(). However many tasks wait, at
 * most one such message stands in the window's queue: a busy queue (Windows keeps ten thousand
 * posted messages at most) never overflows and loses one. Each task runs after the messages that
 * were waiting when the one before it ran; a task that opens a modal loop (a message box) leaves
 * the next ones to that loop, still in order.
 */
class Win32PostedTasks {
public:
    Win32PostedTasks(HWND window, UINT message) : m_window(window), m_message(message) {}
    Win32PostedTasks(const Win32PostedTasks&) = delete;
    Win32PostedTasks& operator=(const Win32PostedTasks&) = delete;

    /** Callable from any thread. */
    void post(std::function<void()> task);
    /** On the window's thread, for its message: runs the oldest task, if any. */
    void runNext();
    /** The window is going: what waits and what is posted from now on never runs. */
    void stop();

private:
    /** Puts the message in the window's queue unless it is there already. Under m_mutex. */
    void wake();

    std::mutex m_mutex;
    HWND m_window;
    const UINT m_message;
    std::deque<std::function<void()>> m_tasks;
    bool m_messageWaiting = false;
};
