// Windows' ANSI code page (1252 in western Europe, 1251 for Cyrillic, 932 in Japan...). A letter
// the code page lacks would come out as "?" or as a look-alike ("e" for "ē"), naming another
// file: such a text has no place there.
#include <windows.h>

#include "platform/system_code_page.h"
#include "platform/win32/win32_text.h"

std::optional<std::string> toSystemCodePage(const std::string& text) {
    if (text.empty() || GetACP() == CP_UTF8) return text;
    const std::wstring wide = wideText(text);
    const int size = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                           0, nullptr, &lost);
    if (length <= 0 || lost) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                        nullptr, &lost);
    return bytes;
}

std::string fromSystemCodePage(const std::string& bytes) {
    if (bytes.empty() || GetACP() == CP_UTF8) return bytes;
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), static_cast<int>(wide.size()));
    return utf8Text(wide);
}
