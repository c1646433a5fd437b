// The system's text for a Windows error code, as users read it in our messages.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/win32_text.h"

/** Without the closing full stop and line break the system adds. */
inline std::string win32ErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message =
        length > 0 ? utf8Text(std::wstring_view(text, length)) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}
