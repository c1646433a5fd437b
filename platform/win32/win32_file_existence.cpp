// Existence of ordinary files through GetFileAttributesA.
#include "win32_file_existence.h"

#include <windows.h>

bool Win32FileExistence::ordinaryFileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

std::unique_ptr<FileExistence> createFileExistence() {
    return std::make_unique<Win32FileExistence>();
}
