// The drop rules that both windows follow.
#include "mainwindow/dropped_kit.h"

#include <algorithm>
#include <filesystem>

#include "platform/common/path_text.h"

namespace {
bool isFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(toPath(path), error);
}
bool exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(toPath(path), error);
}
}  // namespace

std::vector<std::string> droppedCollection(const std::vector<std::string>& paths) {
    if (paths.empty() || !std::all_of(paths.begin(), paths.end(), exists)) return {};
    if (paths.size() == 1 && !isFolder(paths.front())) return {};
    return paths;
}

std::string droppedKit(const std::vector<std::string>& paths) {
    if (paths.size() != 1 || paths.front().empty()) return {};
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::status(toPath(paths.front()), error);
    if (!std::filesystem::exists(status) || std::filesystem::is_directory(status)) return {};
    return paths.front();
}
