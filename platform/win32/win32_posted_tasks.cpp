// Tasks run by a window's thread in the order other threads posted them.
#include "platform/win32/win32_posted_tasks.h"

#include <utility>

void Win32PostedTasks::post(std::function<void()> task) {
    const std::lock_guard lock(m_mutex);
    if (!m_window) return;
    m_tasks.push_back(std::move(task));
    wake();
}

void Win32PostedTasks::runNext() {
    std::function<void()> task;
    {
        const std::lock_guard lock(m_mutex);
        m_messageWaiting = false;
        if (m_tasks.empty()) return;
        task = std::move(m_tasks.front());
        m_tasks.pop_front();
        // Word of the next task first: a message box this one opens serves it from its own loop.
        if (!m_tasks.empty()) wake();
    }
    task();
}

void Win32PostedTasks::stop() {
    std::deque<std::function<void()>> dropped;
    {
        const std::lock_guard lock(m_mutex);
        m_window = nullptr;
        dropped.swap(m_tasks);
    }
    // Dropped outside the lock: what a task holds may post again as it goes.
}

void Win32PostedTasks::wake() {
    if (m_messageWaiting || !m_window) return;
    m_messageWaiting = PostMessageW(m_window, m_message, 0, 0) != FALSE;
}
