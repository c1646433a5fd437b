// Whole-file reads on Windows. Folders are opened too (backup semantics), so that they are named
// as folders rather than as "access denied".
#include <algorithm>

#include "platform/common/path_text.h"
#include "platform/device_name.h"
#include "platform/file_access_error.h"
#include "platform/regular_file.h"
#include "platform/win32/win32_error_text.h"
#include "platform/win32/win32_open_file.h"
#include "platform/win32/win32_text.h"

namespace {
[[noreturn]] void refuse(const std::string& path, const std::string& reason) {
    throw FileAccessError("Cannot read " + path + ": " + reason);
}

RegularFile read(const std::string& path, std::uint64_t maxBytes, bool refuseLonger) {
    // Opening aux.fsh would open the serial port or wait on the console.
    if (isDeviceName(pathText(toPath(path).filename()))) refuse(path, "it is a device, not a file");
    const Win32Handle file(CreateFileW(wideText(path).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                       nullptr));
    if (file.handle == INVALID_HANDLE_VALUE) refuse(path, win32ErrorText(GetLastError()));
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file.handle, &info) != 0;
    if (const std::string reason = win32NotAFileReason(file.handle, info); !reason.empty())
        refuse(path, reason);
    if (!known) refuse(path, win32ErrorText(GetLastError()));
    const std::uint64_t size =
        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > maxBytes && refuseLonger)
        refuse(path, "it holds more than " + std::to_string(maxBytes) + " bytes");

    RegularFile result{
        std::vector<std::uint8_t>(static_cast<std::size_t>(std::min(size, maxBytes))),
        win32FileKey(info)};
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        DWORD got = 0;
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(result.bytes.size() - done, 1u << 30));
        if (!ReadFile(file.handle, result.bytes.data() + done, wanted, &got, nullptr))
            refuse(path, win32ErrorText(GetLastError()));
        if (got == 0) break;
        done += got;
    }
    result.bytes.resize(done);
    return result;
}
}  // namespace

RegularFile readRegularFile(const std::string& path, std::uint64_t maxBytes) {
    return read(path, maxBytes, true);
}

RegularFile readRegularFileStart(const std::string& path, std::uint64_t count) {
    return read(path, count, false);
}
