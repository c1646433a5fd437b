// The program's one window procedure: a failure that escapes a handler is told to the failure
// reporter at the boundary and the window stays usable; a destroyed window lets go of its object.
#include "platform/win32/win32_window.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
class FailingWindow : public Win32Window {
public:
    FailingWindow() {
        registerClass("VestrixFailingWindow");
        create(0, "VestrixFailingWindow", "", WS_POPUP, 0, 0, SIZE{10, 10}, nullptr);
    }
    int destroyedCalls = 0;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) throw std::runtime_error("Cannot read C:\\kit.fsh");
        if (message == WM_APP + 1) return 42;
        return Win32Window::handleMessage(message, wParam, lParam);
    }
    void destroyed() override { ++destroyedCalls; }
};
}  // namespace

TEST(Win32Window, AFailureInAHandlerIsToldAndTheWindowCarriesOn) {
    std::vector<std::string> told;
    Win32Window::setFailureReporter([&](const std::string& message) { told.push_back(message); });
    FailingWindow window;
    HWND handle = window.handle();
    EXPECT_EQ(SendMessageA(handle, WM_APP, 0, 0), 0);
    EXPECT_EQ(told, std::vector<std::string>{"Cannot read C:\\kit.fsh"});
    EXPECT_EQ(SendMessageA(handle, WM_APP + 1, 0, 0), 42);

    DestroyWindow(handle);
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_EQ(window.destroyedCalls, 1);
    Win32Window::setFailureReporter(nullptr);
}
