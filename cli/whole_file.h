// Writing output files so that a file either keeps its old content or holds the whole new one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

/**
 * Writes bytes to a new hidden file beside path, then renames it over path. Returns empty on
 * success, otherwise "Cannot write PATH: REASON" with the reason of the call that failed; nothing
 * is left behind then. No fsync: a batch of thousands of kits would wait on the disk for each,
 * and a crash leaves at worst the old file.
 */
std::string writeWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

/** Empty when a new file can be created in folder; otherwise a message giving the reason. */
std::string checkFolderTakesFiles(const std::filesystem::path& folder);
