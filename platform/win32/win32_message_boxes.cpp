// Message boxes with the system's own MessageBoxW.
#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include "platform/win32/win32_text.h"

MessageAnswer Win32MessageBoxes::show(const std::string& text, const std::string& title,
                                      MessageButtons buttons, MessageAnswer defaultAnswer) {
    // Owned by the program's window in use, so that it stays in front of it and holds it still.
    const HWND owner = GetActiveWindow();
    if (buttons == MessageButtons::YesNo) {
        const UINT type = MB_YESNO | (defaultAnswer == MessageAnswer::No ? MB_DEFBUTTON2 : 0);
        return MessageBoxW(owner, wideText(text).c_str(), wideText(title).c_str(), type) == IDYES
                   ? MessageAnswer::Yes
                   : MessageAnswer::No;
    }
    MessageBoxW(owner, wideText(text).c_str(), wideText(title).c_str(), MB_OK);
    return MessageAnswer::Ok;
}
