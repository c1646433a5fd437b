// File keys on Windows: the volume's serial number and the file index, which hard links share.
#include <windows.h>

#include "platform/file_key.h"
#include "platform/win32/win32_text.h"

std::optional<FileKey> fileKey(const std::string& path) {
    // No access rights asked for: the file's information is readable even when its data is not.
    // Backup semantics lets folders be opened too.
    const HANDLE file = CreateFileW(wideText(path).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    CloseHandle(file);
    if (!known) return std::nullopt;
    return FileKey(information.dwVolumeSerialNumber,
                   (static_cast<std::uintmax_t>(information.nFileIndexHigh) << 32) |
                       information.nFileIndexLow);
}
