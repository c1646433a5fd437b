// Reasons as Windows words its error codes.
#include <windows.h>

#include "platform/win32/win32_error_text.h"
#include "tests/cli/system_reasons.h"

std::string missingFileReason() { return win32ErrorText(ERROR_FILE_NOT_FOUND); }
std::string missingFolderReason() { return win32ErrorText(ERROR_PATH_NOT_FOUND); }
