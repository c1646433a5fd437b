// vestrix.exe itself, started from a copy of the program folder under Wine's null display driver:
// the splash alone ends the program when closed, and a kit named on the command line is loaded
// once the splash is answered and the start-up has run.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/common/path_text.h"
#include "platform/win32/win32_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/win32/process_window.h"

namespace fs = std::filesystem;

namespace {
using namespace std::chrono_literals;

class VestrixProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path built = fs::path(VESTRIX_PROGRAM).parent_path();
        for (const char* name : {"vestrix.exe", "pk001.fsh", "fifa2k.pal", "subzero.jpg"}) {
            fs::copy_file(built / name, m_folder.path() / name);
        }
    }
    void TearDown() override {
        if (m_process.hProcess) {
            TerminateProcess(m_process.hProcess, 1);
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
    }

    void start(const std::string& arguments) {
        const std::wstring program = (m_folder.path() / "vestrix.exe").wstring();
        std::wstring commandLine = L"\"" + program + L"\" " + wideText(arguments);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, m_folder.path().wstring().c_str(), &startup,
                                   &m_process));
    }

    /** A visible top-level window of the program's, waited for. */
    HWND window(const char* className) {
        for (auto deadline = std::chrono::steady_clock::now() + 30s;
             std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(50ms)) {
            if (HWND found = visibleWindowOf(m_process.dwProcessId, className)) return found;
        }
        ADD_FAILURE() << "no " << className << " window";
        return nullptr;
    }

    /** The program's exit status, once it has ended by itself. */
    std::optional<DWORD> ended() {
        if (WaitForSingleObject(m_process.hProcess, 30000) != WAIT_OBJECT_0) return std::nullopt;
        DWORD status = 0;
        GetExitCodeProcess(m_process.hProcess, &status);
        return status;
    }

    TempFolder m_folder;
    PROCESS_INFORMATION m_process{};
};
}  // namespace

TEST_F(VestrixProgram, ClosingTheSplashEndsTheProgram) {
    start("");
    HWND splash = window("VestrixFrmSplash");
    ASSERT_TRUE(splash);
    PostMessageA(splash, WM_CLOSE, 0, 0);
    EXPECT_EQ(ended(), 0u);
}

TEST_F(VestrixProgram, AKitNamedOnTheCommandLineIsLoadedAfterTheSplash) {
    const fs::path kit = fs::path(VESTRIX_SOURCE_DIR) / "resources" / "samples" / "hoops.fsh";
    fs::copy_file(kit, m_folder.path() / toPath("Кубок 日本.fsh"));
    // A name relative to the program's current folder, as Explorer's "Open with" may give it, in
    // letters that no ANSI code page holds together.
    start("\"Кубок 日本.fsh\"");
    HWND splash = window("VestrixFrmSplash");
    ASSERT_TRUE(splash);
    // Nothing before the splash is answered.
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(TempFolder::read(m_folder.file("pk001.fsh")),
              TempFolder::read(VESTRIX_SOURCE_DIR "/resources/pk001.fsh"));
    PostMessageA(splash, WM_CHAR, 'x', 0);

    HWND main = window("VestrixForm1");
    ASSERT_TRUE(main);
    HWND save = FindWindowExA(main, nullptr, "Button", "Save FIFA2000 jersey");
    ASSERT_TRUE(save);
    for (auto deadline = std::chrono::steady_clock::now() + 30s;
         !IsWindowEnabled(save) && std::chrono::steady_clock::now() < deadline;) {
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_TRUE(IsWindowEnabled(save));
    // The work file is the FIFA 2000 jersey the Linux build makes of the same kit.
    EXPECT_TRUE(TempFolder::read(m_folder.file("pk001.fsh")) ==
                TempFolder::read(VESTRIX_SOURCE_DIR "/tests/data/golden/hoops-normal.fsh"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(ended(), 0u);
}
