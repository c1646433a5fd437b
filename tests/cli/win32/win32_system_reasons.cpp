// Reasons as Windows words its error codes.
#include <windows.h>

#include "system_reasons.h"

namespace {
std::string reason(DWORD error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() &&
           (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}
}  // namespace

std::string missingFileReason() { return reason(ERROR_FILE_NOT_FOUND); }
std::string missingFolderReason() { return reason(ERROR_PATH_NOT_FOUND); }
