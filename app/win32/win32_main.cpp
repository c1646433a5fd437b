// vestrix.exe: the splash first, then the main window, with the system's own dialogs, message
// boxes, program starter, web-page opener and system information tool.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include "info/win32/win32_frm_splash.h"
#include "mainwindow/program_services.h"
#include "mainwindow/win32/win32_form1.h"
#include "platform/common/immediate_exit.h"
#include "platform/common/program_name_message_box.h"
#include "platform/win32/win32_file_dialogs.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_program_location.h"
#include "platform/win32/win32_text.h"
#include "skins/win32/wic_skin_picture_reader.h"

namespace {
/**
 * The full path of the kit named on the command line (`vestrix.exe KIT.fsh`, or what Explorer
 * hands over when a kit is opened with us); empty when none is. A relative name counts from the
 * current folder.
 */
std::string kitArgument() {
    // The wide command line: a kit's name may hold letters the ANSI code page lacks.
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring given = arguments && count >= 2 && arguments[1] ? arguments[1] : L"";
    LocalFree(arguments);
    if (given.empty()) return {};
    const DWORD length = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
    if (length == 0) return utf8Text(given);
    std::wstring path(length, L'\0');
    path.resize(GetFullPathNameW(given.c_str(), length, path.data(), nullptr));
    return utf8Text(path);
}

/** The dialog keys (Enter, Escape, Tab, Alt+letter) for the windows that ask for them. */
bool isDialogKeyMessage(MSG& message) {
    HWND window = GetAncestor(message.hwnd, GA_ROOT);
    return window && GetPropW(window, L"VestrixDialogKeys") && IsDialogMessageW(window, &message);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    // The common dialogs and the picture decoder are COM, in this one thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    Win32FileDialogs fileDialogs;
    Win32MessageBoxes messageBoxes;
    ImmediateExit programExit;
    Win32ProgramLocation programLocation;
    WicSkinPictureReader skinReader;
    const ProgramServices programServices(
        {fileDialogs, messageBoxes, programExit, programLocation, skinReader});
    const MainWindowServices& services = programServices.mainWindow();
    const std::string kit = kitArgument();
    // A failure no event procedure expected: told in a plain box, and the window carries on.
    Win32Window::setFailureReporter(
        [&boxes = static_cast<MessageBoxes&>(messageBoxes)](const std::string& message) {
            boxes.show(message, ProgramNameMessageBox::kTitle);
        });

    // The splash alone until the user answers it; only then does the main window exist and run
    // its start-up checks. Closing the splash by other means ends the program.
    std::unique_ptr<Win32Form1> window;
    Win32FrmSplash splash(programExit, [&] {
        window = std::make_unique<Win32Form1>(services);
        if (!window->logic().isRunning()) return;
        window->show();
        // Loaded from the message loop, with the window drawn, as if the open dialog had named it.
        if (!kit.empty()) window->loadLater(kit);
    });

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window && window->translateAccelerator(message)) continue;
        if (isDialogKeyMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
