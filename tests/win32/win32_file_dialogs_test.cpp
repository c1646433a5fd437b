// The system's open and save dialogs with the initial folders that jersey.cfg may hand them, and
// the folder picker. A helper thread answers each dialog once it is up, as a user would: it
// cancels, or types a path where the focus is and presses Enter.
#include "platform/win32/win32_file_dialogs.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/common/path_text.h"
#include "platform/win32/win32_text.h"

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
        EXPECT_EQ(dialogs.chooseFolder("Kits", initial, FileDialogs::FolderKind::Existing), "");
    }
}

namespace {
/** This process's dialog box, once one is up. */
HWND waitForDialog() {
    for (int tries = 0; tries < 300; ++tries) {
        HWND found = nullptr;
        EnumWindows(
            [](HWND window, LPARAM result) {
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                wchar_t className[16] = {};
                GetClassNameW(window, className, 16);
                if (process != GetCurrentProcessId() || std::wstring(className) != L"#32770" ||
                    !IsWindowVisible(window))
                    return TRUE;
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        Sleep(100);
    }
    return nullptr;
}
}  // namespace

TEST(Win32FileDialogs, AFullPathTypedIntoTheFolderPickerAndEnterChooseThatFolder) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         toPath("Кубок " + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    const std::string typed = pathText(folder);
    std::wstring focusClass;
    // The user types where the focus is when the picker opens, then presses Enter.
    std::thread user([&] {
        HWND dialog = waitForDialog();
        if (!dialog) return;
        Sleep(500);  // the picker lists its folder before it takes keys
        GUITHREADINFO focus{};
        focus.cbSize = sizeof focus;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &focus);
        wchar_t className[32] = {};
        GetClassNameW(focus.hwndFocus, className, 32);
        focusClass = className;
        for (const wchar_t c : wideText(typed)) PostMessageW(focus.hwndFocus, WM_CHAR, c, 1);
        PostMessageW(focus.hwndFocus, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageW(focus.hwndFocus, WM_KEYUP, VK_RETURN, 0xC0000001);
    });
    // Opened elsewhere: the typed path wins.
    std::string chosen;
    EXPECT_NO_THROW(chosen = Win32FileDialogs().chooseFolder("Kits", "C:\\windows",
                                                             FileDialogs::FolderKind::MayBeNew));
    user.join();
    std::filesystem::remove(folder);
    EXPECT_EQ(_wcsicmp(focusClass.c_str(), L"Edit"), 0) << utf8Text(focusClass);
    EXPECT_EQ(chosen, typed);
}
