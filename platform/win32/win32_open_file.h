// Opening an existing path on Windows and telling whether it is an ordinary file on a disk: a
// folder, a device such as NUL or CON, and a pipe are not.
#pragma once

#include <windows.h>

#include <string>

#include "platform/file_key.h"

/** An open handle that closes itself. */
struct Win32Handle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    Win32Handle() = default;
    explicit Win32Handle(HANDLE h) : handle(h) {}
    Win32Handle(const Win32Handle&) = delete;
    Win32Handle& operator=(const Win32Handle&) = delete;
    ~Win32Handle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

/** Empty when handle is an ordinary file on a disk, otherwise the reason why it is not one. */
inline std::string win32NotAFileReason(HANDLE handle, const BY_HANDLE_FILE_INFORMATION& info) {
    switch (GetFileType(handle)) {
        case FILE_TYPE_DISK:
            return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "it is a folder" : "";
        case FILE_TYPE_CHAR:
            return "it is a device, not a file";
        case FILE_TYPE_PIPE:
            return "it is a pipe, not a file";
        default:
            return "it is not a file";
    }
}

inline FileKey win32FileKey(const BY_HANDLE_FILE_INFORMATION& info) {
    return FileKey(info.dwVolumeSerialNumber,
                   (static_cast<std::uintmax_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
}
