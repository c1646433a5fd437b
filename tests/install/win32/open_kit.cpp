// Opens a kit as a double click in Explorer does: the shell looks up the .fsh file type and starts
// the program registered for it. Answers the splash, waits until the kit is loaded (Save enabled)
// or the program says something in a message box, then closes the program.
//
// usage: vestrix-open-kit KIT
// Exit status 0 when the registered program loaded the kit and ended; 1 with the reason otherwise.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>

#include "tests/support/win32/process_window.h"

namespace {
using namespace std::chrono_literals;

/** Throws with the text of a message box the program shows: nothing should ask the user here. */
void failOnMessageBox(DWORD process) {
    if (HWND box = visibleWindowOf(process, "#32770")) {
        char message[512] = {};
        GetDlgItemTextA(box, 0xFFFF, message, sizeof message);
        throw std::runtime_error(std::string("the program said: ") + message);
    }
}

HWND waitForWindow(DWORD process, const char* className) {
    for (auto deadline = std::chrono::steady_clock::now() + 60s;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(100ms)) {
        if (HWND window = visibleWindowOf(process, className)) return window;
        failOnMessageBox(process);
    }
    throw std::runtime_error(std::string("no ") + className + " window");
}

void openKit(const std::string& kit) {
    SHELLEXECUTEINFOA open{};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_NOCLOSEPROCESS;
    open.lpVerb = "open";
    open.lpFile = kit.c_str();
    open.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&open) || !open.hProcess) {
        throw std::runtime_error("the shell started nothing for " + kit);
    }
    const DWORD process = GetProcessId(open.hProcess);
    try {
        PostMessageA(waitForWindow(process, "VestrixFrmSplash"), WM_CHAR, 'x', 0);
        HWND main = waitForWindow(process, "VestrixForm1");
        HWND save = FindWindowExA(main, nullptr, "Button", "Save FIFA2000 jersey");
        for (auto deadline = std::chrono::steady_clock::now() + 60s;
             !save || !IsWindowEnabled(save); std::this_thread::sleep_for(100ms)) {
            failOnMessageBox(process);
            if (std::chrono::steady_clock::now() > deadline) {
                throw std::runtime_error("the kit was not loaded");
            }
        }
        PostMessageA(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(open.hProcess, 30000) != WAIT_OBJECT_0) {
            throw std::runtime_error("the program did not end when closed");
        }
    } catch (...) {
        TerminateProcess(open.hProcess, 1);
        throw;
    }
    CloseHandle(open.hProcess);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s KIT\n", argv[0]);
        return 2;
    }
    try {
        openKit(argv[1]);
        std::printf("opened %s in the registered program\n", argv[1]);
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "open kit: %s\n", failure.what());
        return 1;
    }
}
