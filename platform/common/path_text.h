// Paths between the program's text and std::filesystem. A path inside the program is a
// std::string: UTF-8 on Windows, the file system's own bytes elsewhere. The library's narrow
// conversions read Windows' ANSI code page instead, so every path goes through these two.
#pragma once

#include <filesystem>
#include <string>

inline std::filesystem::path toPath(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

/** The last part of a path: the file's own name. */
inline std::string fileNameOf(const std::string& path) { return pathText(toPath(path).filename()); }
