// Tasks posted to a window from other threads: each runs on the window's thread, in the order
// posted, however many wait.
#include "platform/win32/win32_posted_tasks.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

#include "platform/win32/win32_window.h"

namespace {
constexpr UINT kRunPosted = WM_APP + 3;

class TaskWindow : public Win32Window {
public:
    TaskWindow() {
        registerClass("VestrixTaskWindow");
        create(0, "VestrixTaskWindow", "", WS_POPUP, 0, 0, SIZE{10, 10}, nullptr);
        tasks = std::make_unique<Win32PostedTasks>(handle(), kRunPosted);
    }
    std::unique_ptr<Win32PostedTasks> tasks;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kRunPosted) return Win32Window::handleMessage(message, wParam, lParam);
        tasks->runNext();
        return 0;
    }
    void destroyed() override { tasks->stop(); }
};

/** Serves the thread's messages until done() or, failing, after a minute. */
template <typename Done>
bool serveUntil(Done done) {
    const ULONGLONG giveUp = GetTickCount64() + 60000;
    while (!done() && GetTickCount64() < giveUp) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return done();
}
}  // namespace

TEST(Win32PostedTasks, TasksFromOtherThreadsRunOnTheWindowsThreadInTheOrderPosted) {
    TaskWindow window;
    // More than the ten thousand messages Windows keeps waiting for a thread.
    constexpr int kPerThread = 6000;
    struct Ran {
        DWORD thread;
        int poster, index;
    };
    std::vector<Ran> ran;
    std::vector<std::thread> posters;
    for (int poster = 0; poster < 2; ++poster) {
        posters.emplace_back([&, poster] {
            for (int i = 0; i < kPerThread; ++i) {
                window.tasks->post([&, poster, i] {
                    ran.push_back({GetCurrentThreadId(), poster, i});
                });
            }
        });
    }
    // The window goes on serving its messages while the posters post.
    const bool allRan = serveUntil([&] { return ran.size() == 2 * kPerThread; });
    for (std::thread& poster : posters) poster.join();
    ASSERT_TRUE(allRan) << ran.size();

    int next[2] = {0, 0};
    for (const Ran& task : ran) {
        ASSERT_EQ(task.thread, GetCurrentThreadId());
        ASSERT_EQ(task.index, next[task.poster]++) << task.poster;
    }
}
