// What tells one file from every other on the same machine, whatever name it is reached by.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

/** The file's volume and number on it (device and inode); nothing when it cannot be opened. */
using FileKey = std::pair<std::uintmax_t, std::uintmax_t>;
std::optional<FileKey> fileKey(const std::string& path);
