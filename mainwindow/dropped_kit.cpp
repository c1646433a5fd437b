// The dropped-file rule that both windows follow.
#include "mainwindow/dropped_kit.h"

#include <filesystem>

#include "platform/common/path_text.h"

std::string droppedKit(const std::vector<std::string>& paths) {
    if (paths.size() != 1 || paths.front().empty()) return {};
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::status(toPath(paths.front()), error);
    if (!std::filesystem::exists(status) || std::filesystem::is_directory(status)) return {};
    return paths.front();
}
