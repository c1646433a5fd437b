// Output folders on Windows: the folder's path, to which each file's name is joined; the folder
// is identified once, like on POSIX systems.
#include <windows.h>

#include <filesystem>

#include "platform/common/path_text.h"
#include "platform/file_access_error.h"
#include "platform/output_folder.h"
#include "platform/win32/win32_error_text.h"
#include "platform/win32/win32_text.h"

namespace {
[[noreturn]] void refuse(const std::string& path, const std::string& reason) {
    throw FileAccessError("Cannot write to folder " + path + ": " + reason);
}

std::string joined(const std::string& folder, const std::string& name) {
    return pathText(toPath(folder) / toPath(name));
}
}  // namespace

OutputFolder::OutputFolder(const std::string& path) : m_path(path) {
    const DWORD attributes = GetFileAttributesW(wideText(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) refuse(path, win32ErrorText(GetLastError()));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) refuse(path, "it is not a folder");
    const auto key = fileKey(path);
    if (!key) refuse(path, win32ErrorText(GetLastError()));
    m_key = *key;
}

OutputFolder::OutputFolder(OutputFolder&& other) noexcept
    : m_path(std::move(other.m_path)), m_key(other.m_key) {}

OutputFolder::~OutputFolder() = default;

void OutputFolder::checkTakesFiles() const {
    const std::string probe = joined(m_path, std::string(".probe") + WriteTarget::kTemporaryMark +
                                                 std::to_string(GetCurrentProcessId()));
    const HANDLE file = CreateFileW(wideText(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) refuse(m_path, win32ErrorText(GetLastError()));
    CloseHandle(file);
}

WriteTarget OutputFolder::examine(const std::string& name, const std::string& shownPath) const {
    return WriteTarget::examineIn(WriteTarget::kWholePath, joined(m_path, name), shownPath);
}
