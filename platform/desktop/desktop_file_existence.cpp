// Existence of ordinary files on Linux; dot-files count as hidden, as a file manager shows them.
#include "desktop_file_existence.h"

#include <filesystem>

bool DesktopFileExistence::ordinaryFileExists(const std::string& path) {
    const std::filesystem::path file(path);
    const std::string name = file.filename().string();
    if (name.empty() || name.front() == '.') return false;
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

std::unique_ptr<FileExistence> createFileExistence() {
    return std::make_unique<DesktopFileExistence>();
}
