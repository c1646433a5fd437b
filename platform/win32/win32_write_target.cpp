// Write targets on Windows. MoveFileExW with MOVEFILE_REPLACE_EXISTING puts a finished file in
// place, since a plain rename there refuses to replace an existing one. GetLastError is read right
// after the call that failed, before any clean-up call can change it.
#include <algorithm>
#include <atomic>
#include <filesystem>

#include "platform/common/path_text.h"
#include "platform/device_name.h"
#include "platform/file_access_error.h"
#include "platform/win32/win32_error_text.h"
#include "platform/win32/win32_open_file.h"
#include "platform/win32/win32_text.h"
#include "platform/write_target.h"

namespace {
[[noreturn]] void refuse(const std::string& path, const std::string& reason) {
    throw FileAccessError("Cannot write " + path + ": " + reason);
}

bool writeAll(HANDLE file, std::span<const std::uint8_t> bytes, std::size_t piece) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>({bytes.size(), piece, 1u << 30}));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

bool setLength(HANDLE file, std::uint64_t length) {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

HANDLE createTemporary(const std::string& path, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path target = toPath(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path name = target;
        name.replace_filename(
            toPath("." + pathText(target.filename()) + WriteTarget::kTemporaryMark +
                   std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++)));
        temporary = pathText(name);
        const HANDLE file = CreateFileW(wideText(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

/**
 * Gives the new file the hidden and system attributes of the one it replaces, as a replacement
 * on Linux keeps the old file's permissions. Set through the handle, before the file has its name.
 */
bool keepAttributes(HANDLE file, DWORD attributes) {
    if (attributes == 0) return true;
    FILE_BASIC_INFO basic{};  // times of 0 stay as they are
    basic.FileAttributes = attributes;
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != 0;
}

/** The file a link leads to, without the "\\?\" that the system puts before a drive letter. */
std::string finalPath(HANDLE file, const std::string& path) {
    std::wstring buffer(32768, L'\0');  // the longest path Windows has
    const DWORD length =
        GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    if (length == 0 || length >= buffer.size()) refuse(path, win32ErrorText(GetLastError()));
    buffer.resize(length);
    std::string result = utf8Text(buffer);
    if (result.rfind("\\\\?\\", 0) == 0 && result.size() > 5 && result[5] == ':')
        result.erase(0, 4);
    return result;
}
}  // namespace

WriteTarget WriteTarget::examineIn(int, const std::string& path, const std::string& shown) {
    WriteTarget target;
    target.m_path = shown;
    target.m_writtenPath = path;
    // CON or aux.fsh is a device wherever it is named: nothing to replace, nothing to make.
    if (isDeviceName(pathText(toPath(path).filename())))
        refuse(shown, "it is a device, not a file");
    const DWORD attributes = GetFileAttributesW(wideText(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) refuse(shown, win32ErrorText(error));
        return target;
    }
    const Win32Handle file(CreateFileW(
        wideText(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE) refuse(shown, win32ErrorText(GetLastError()));
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file.handle, &info) != 0;
    if (const std::string reason = win32NotAFileReason(file.handle, info); !reason.empty())
        refuse(shown, reason);
    if (!known) refuse(shown, win32ErrorText(GetLastError()));
    if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) refuse(shown, "it is write-protected");
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        target.m_writtenPath = finalPath(file.handle, path);
    target.m_key = win32FileKey(info);
    target.m_mode = info.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    target.m_inPlace = info.nNumberOfLinks > 1;
    return target;
}

WriteTarget WriteTarget::examine(const std::string& path) {
    return examineIn(kWholePath, path, path);
}

void WriteTarget::write(std::span<const std::uint8_t> bytes, std::size_t pieceBytes) const {
    const std::size_t piece = pieceBytes == 0 ? bytes.size() : pieceBytes;
    if (!m_inPlace) {
        std::string temporary;
        const HANDLE file = createTemporary(m_writtenPath, temporary);
        if (file != INVALID_HANDLE_VALUE) {
            const bool written = writeAll(file, bytes, piece) && keepAttributes(file, m_mode);
            DWORD error = GetLastError();
            const bool closed = CloseHandle(file) != 0;
            if (written && !closed) error = GetLastError();
            if (written && closed &&
                MoveFileExW(wideText(temporary).c_str(), wideText(m_writtenPath).c_str(),
                            MOVEFILE_REPLACE_EXISTING))
                return;
            if (written && closed) error = GetLastError();
            DeleteFileW(wideText(temporary).c_str());
            refuse(m_path, win32ErrorText(error));
        }
        // A folder that takes no new files still lets an existing file be written where it is.
        const DWORD error = GetLastError();
        if (!exists() || error != ERROR_ACCESS_DENIED) refuse(m_path, win32ErrorText(error));
    }

    const Win32Handle file(CreateFileW(wideText(m_writtenPath).c_str(), GENERIC_WRITE,
                                       FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE) refuse(m_path, win32ErrorText(GetLastError()));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.handle, &info) || win32FileKey(info) != *m_key)
        refuse(m_path, "it was replaced by another file meanwhile");
    const std::uint64_t oldLength =
        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    // Growing the file first claims its space: a full disk refuses before a byte changes.
    const bool written = (bytes.size() <= oldLength || setLength(file.handle, bytes.size())) &&
                         SetFilePointerEx(file.handle, LARGE_INTEGER{}, nullptr, FILE_BEGIN) &&
                         writeAll(file.handle, bytes, piece) &&
                         setLength(file.handle, bytes.size());
    if (!written) refuse(m_path, win32ErrorText(GetLastError()));
}

void WriteTarget::remove() const { DeleteFileW(wideText(m_writtenPath).c_str()); }
