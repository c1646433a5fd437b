// Whole-file writes on Windows, through a temporary file in the same folder: MoveFileExW with
// MOVEFILE_REPLACE_EXISTING, since a plain rename there refuses to replace an existing file.
// GetLastError is read right after the call that failed, before any clean-up call can change it.
#include <windows.h>

#include <algorithm>
#include <atomic>

#include "whole_file.h"

namespace {

/** The system's text for an error code, without its closing full stop and line break. */
std::string reason(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

std::string failure(const std::filesystem::path& path, DWORD error) {
    return "Cannot write " + path.string() + ": " + reason(error);
}

/** Creates a new, empty temporary file beside path; INVALID_HANDLE_VALUE on failure. */
HANDLE createTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path;
        temporary.replace_filename(L"." + path.filename().wstring() + L".vestrix-" +
                                   std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(counter++));
        // Not marked hidden: the finished file keeps the attributes of the temporary one.
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

}  // namespace

std::string writeWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path temporary;
    const HANDLE file = createTemporary(path, temporary);
    if (file == INVALID_HANDLE_VALUE) return failure(path, GetLastError());
    if (!writeAll(file, bytes)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        DeleteFileW(temporary.c_str());
        return failure(path, error);
    }
    if (!CloseHandle(file) ||
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return failure(path, error);
    }
    return {};
}

std::string checkFolderTakesFiles(const std::filesystem::path& folder) {
    std::filesystem::path probe;
    const HANDLE file = createTemporary(folder / "probe", probe);
    if (file == INVALID_HANDLE_VALUE)
        return "Cannot write to folder " + folder.string() + ": " + reason(GetLastError());
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return {};
}
