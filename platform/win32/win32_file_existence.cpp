// Existence of ordinary files through GetFileAttributesW.
#include "platform/win32/win32_file_existence.h"

#include <windows.h>

#include "platform/win32/win32_text.h"

bool Win32FileExistence::ordinaryFileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wideText(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

std::unique_ptr<FileExistence> createFileExistence() {
    return std::make_unique<Win32FileExistence>();
}
