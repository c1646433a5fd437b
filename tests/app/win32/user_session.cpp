// Uses vestrix.exe as a user would, through its real windows, dialogs and message boxes, with
// keys sent as the keyboard sends them (Wine with a display, Xvfb in the tests): dismiss the
// splash with a key, Load a kit through the open dialog (its Windows path typed, then Enter), Save
// through the save dialog, answer "Jersey Saved !", convert a folder of kits (Ctrl+Shift+O, both
// folders typed into the pickers, the summary answered No), Exit. With a screenshot folder it also
// opens Skin Select and About on the way and saves what the screen shows at each step as a bitmap.
//
// usage: vestrix-user-session PROGRAM_FOLDER KIT TARGET KITS_FOLDER JERSEYS_FOLDER
//            [SCREENSHOT_FOLDER]
// Exit status 0 when every step happened; the caller compares TARGET with the expected jersey and
// JERSEYS_FOLDER with what vestrix-convert makes of KITS_FOLDER.
#include <windows.h>
// commctrl.h and shellapi.h need windows.h first.
#include <commctrl.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/common/path_text.h"
#include "platform/win32/win32_text.h"
#include "tests/support/win32/process_window.h"

namespace {
using namespace std::chrono_literals;

constexpr auto kPatience = 60s;  // Wine on a busy machine starts slowly

struct Session {
    DWORD processId = 0;
    HANDLE process = nullptr;
    std::string screenshots;
};

struct Paths {
    std::string program, kit, target, kitsFolder, jerseysFolder;
};

std::string text(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return utf8Text(buffer);
}

HWND findWindow(const Session& session, const std::string& wantedClass,
                const std::string& wantedTitle = {}) {
    return visibleWindowOf(session.processId, wantedClass, wantedTitle);
}

HWND childWithText(HWND parent, const std::string& wanted) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (text(child) == wanted) return child;
    }
    return nullptr;
}

void waitFor(const std::string& what, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            throw std::runtime_error("gave up waiting for " + what);
        }
        std::this_thread::sleep_for(100ms);
    }
    // Let the window finish drawing before the next key.
    std::this_thread::sleep_for(500ms);
}

HWND waitForWindow(const Session& session, const std::string& wantedClass,
                   const std::string& wantedTitle = {}) {
    HWND window = nullptr;
    waitFor(wantedClass + " " + wantedTitle,
            [&] { return (window = findWindow(session, wantedClass, wantedTitle)) != nullptr; });
    return window;
}

void sendKeys(const std::vector<INPUT>& keys) {
    std::vector<INPUT> copy = keys;
    SendInput(static_cast<UINT>(copy.size()), copy.data(), sizeof(INPUT));
    std::this_thread::sleep_for(300ms);
}

INPUT key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void press(WORD virtualKey) { sendKeys({key(virtualKey, false), key(virtualKey, true)}); }

void pressWithControl(WORD virtualKey) {
    sendKeys({key(VK_CONTROL, false), key(virtualKey, false), key(virtualKey, true),
              key(VK_CONTROL, true)});
}

void pressWithControlShift(WORD virtualKey) {
    sendKeys({key(VK_CONTROL, false), key(VK_SHIFT, false), key(virtualKey, false),
              key(virtualKey, true), key(VK_SHIFT, true), key(VK_CONTROL, true)});
}

/** Types text as characters, as an input method would: Cyrillic and Japanese as well. */
void type(const std::string& characters) {
    std::vector<INPUT> keys;
    for (const wchar_t c : wideText(characters)) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        keys.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        keys.push_back(input);
    }
    sendKeys(keys);
}

/** What the screen shows, as a 24-bit bitmap file. */
void screenshot(const Session& session, const std::string& name) {
    if (session.screenshots.empty()) return;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int rowBytes = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(rowBytes) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(toPath(session.screenshots + "\\" + name + ".bmp"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

/**
 * A common dialog of the program (with this title, when one is given): the path typed where the
 * focus is when it opens, its file or folder name, then Enter.
 */
void answerFileDialog(const Session& session, const std::string& path, const std::string& step,
                      const std::string& title = {}, const std::string& screenshotName = {}) {
    HWND dialog = waitForWindow(session, "#32770", title);
    std::printf("%s dialog: %s\n", step.c_str(), text(dialog).c_str());
    if (!screenshotName.empty()) screenshot(session, screenshotName);
    type(path);
    press(VK_RETURN);
    waitFor(step + " dialog to close", [&] { return !IsWindow(dialog); });
}

/**
 * The message box the program shows under this title: its text, once the answer key (Enter for
 * the default button, N for No) has closed it.
 */
std::string answerMessageBox(const Session& session, const std::string& title,
                             const std::string& screenshotName = {}, WORD answer = VK_RETURN) {
    HWND box = waitForWindow(session, "#32770", title);
    const std::string message = text(GetDlgItem(box, 0xFFFF));  // the box's text
    if (!screenshotName.empty()) screenshot(session, screenshotName);
    press(answer);
    waitFor("the message box to close", [&] { return !IsWindow(box); });
    return message;
}

void convertFolder(const Session& session, HWND main, const Paths& paths) {
    SetForegroundWindow(main);
    pressWithControlShift('O');
    answerFileDialog(session, paths.kitsFolder, "kits folder",
                     "Convert a Folder: the folder of FIFA 99 kits", "folder-picker");
    answerFileDialog(session, paths.jerseysFolder, "jerseys folder",
                     "Convert a Folder: the folder for the FIFA 2000 jerseys");
    if (!session.screenshots.empty()) {
        // Cancel and the bar a third of the way through a large folder (a small one ends first).
        HWND bar = FindWindowExW(main, nullptr, L"msctls_progress32", nullptr);
        waitFor("the folder conversion to get under way", [&] {
            if (findWindow(session, "#32770", "Convert a Folder")) return true;
            const LRESULT kits = SendMessageW(bar, PBM_GETRANGE, FALSE, 0);
            return kits > 90 && SendMessageW(bar, PBM_GETPOS, 0, 0) * 3 >= kits;
        });
        screenshot(session, "folder-run");
    }
    // No: Explorer stays closed.
    const std::string summary =
        answerMessageBox(session, "Convert a Folder", "folder-summary", 'N');
    std::printf("summary: %s\n", summary.c_str());
    if (summary.find(" kits converted into " + paths.jerseysFolder) == std::string::npos) {
        throw std::runtime_error("the folder conversion said: " + summary);
    }
}

void run(Session& session, const Paths& paths) {
    const std::string& folder = paths.program;
    const std::string program = folder + "\\vestrix.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::wstring commandLine = wideText("\"" + program + "\"");
    if (!CreateProcessW(wideText(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, wideText(folder).c_str(), &startup, &started)) {
        throw std::runtime_error("cannot start " + program);
    }
    CloseHandle(started.hThread);
    session.processId = started.dwProcessId;
    session.process = started.hProcess;

    HWND splash = waitForWindow(session, "VestrixFrmSplash");
    screenshot(session, "splash");
    SetForegroundWindow(splash);
    press(VK_SPACE);
    HWND main = waitForWindow(session, "VestrixForm1", "Vestrix");
    if (IsWindow(splash) && IsWindowVisible(splash)) throw std::runtime_error("the splash stayed");

    pressWithControl('O');
    answerFileDialog(session, paths.kit, "open");
    HWND save = childWithText(main, "Save FIFA2000 jersey");
    waitFor("the load to enable Save", [&] {
        if (HWND box = findWindow(session, "#32770")) {
            throw std::runtime_error("the load said: " + text(GetDlgItem(box, 0xFFFF)));
        }
        return save && IsWindowEnabled(save);
    });
    screenshot(session, "main");

    if (!session.screenshots.empty()) {
        press(VK_F2);
        HWND skins = waitForWindow(session, "VestrixForm2", "Skin Select");
        screenshot(session, "skin-select");  // the first skin, smaller than the default one
        press(VK_DOWN);                      // the next skin, painted at once
        screenshot(session, "skin-select-down");
        PostMessageW(skins, WM_CLOSE, 0, 0);
        waitFor("Skin Select to close", [&] { return !IsWindow(skins); });
        SetForegroundWindow(main);
        pressWithControl('A');
        HWND about = waitForWindow(session, "VestrixFrmAbout", "About The Vestrix");
        screenshot(session, "about");
        press(VK_ESCAPE);
        waitFor("About to close", [&] { return !IsWindow(about); });
        SetForegroundWindow(main);
    }

    pressWithControl('S');
    answerFileDialog(session, paths.target, "save");
    const std::string saved = answerMessageBox(session, "Tavrimel", "message");
    if (saved != "Jersey Saved !") throw std::runtime_error("the save said: " + saved);

    convertFolder(session, main, paths);

    pressWithControl('X');
    if (WaitForSingleObject(session.process, 30000) != WAIT_OBJECT_0) {
        throw std::runtime_error("Exit did not end the program");
    }
}
}  // namespace

int main() {
    // The wide command line: the folders may be named in any letters.
    int argc = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> argv;
    for (int i = 0; wide && i < argc; ++i) argv.push_back(utf8Text(wide[i]));
    LocalFree(wide);
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: vestrix-user-session PROGRAM_FOLDER KIT TARGET KITS_FOLDER "
                     "JERSEYS_FOLDER [SCREENSHOTS]\n");
        return 2;
    }
    Session session;
    if (argc > 6) session.screenshots = argv[6];
    try {
        run(session, Paths{argv[1], argv[2], argv[3], argv[4], argv[5]});
        std::printf("loaded %s, saved %s, converted %s into %s, exited\n", argv[2].c_str(),
                    argv[3].c_str(), argv[4].c_str(), argv[5].c_str());
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "user session: %s\n", failure.what());
        screenshot(session, "failure");
        if (session.process) TerminateProcess(session.process, 1);
        return 1;
    }
}
