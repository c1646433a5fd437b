// The system's open and save dialogs with the initial folders that jersey.cfg may hand them. A
// helper thread cancels each dialog once it is up, as a user would.
#include "platform/win32/win32_file_dialogs.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace {
/** Cancels every dialog box this process shows until it is stopped. */
class DialogCanceller {
public:
    DialogCanceller()
        : m_thread([this] {
              while (!m_stop) {
                  EnumWindows(&DialogCanceller::cancelOwn, 0);
                  Sleep(50);
              }
          }) {}
    ~DialogCanceller() {
        m_stop = true;
        m_thread.join();
    }
    DialogCanceller(const DialogCanceller&) = delete;
    DialogCanceller& operator=(const DialogCanceller&) = delete;

private:
    static BOOL CALLBACK cancelOwn(HWND window, LPARAM) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (process == GetCurrentProcessId() && std::wstring(className) == L"#32770")
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
}  // namespace

TEST(Win32FileDialogs, ACancelledDialogGivesNothingWhateverFolderItWasGiven) {
    DialogCanceller user;
    Win32FileDialogs dialogs;
    // A stored path far longer than any folder's used to overflow the dialog's stack.
    for (const std::string& initial :
         {std::string(), std::string("C:\\windows\\"), "C:\\" + std::string(10000, 'a'),
          "C:\\" + std::string(MAX_PATH, 'b')}) {
        SCOPED_TRACE(initial.size());
        EXPECT_EQ(dialogs.openFileName(initial), "");
        EXPECT_EQ(dialogs.saveFileName(initial), "");
    }
}
