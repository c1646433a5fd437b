// The presence test for the tool's own files: a file counts only when it exists and is not empty.
#pragma once

#include <string>

/**
 * Opens path for binary read and write access, creating it empty when it does not exist, and
 * closes it again. True when the file now holds at least one byte. A file that cannot be opened
 * at all counts as absent.
 */
bool isPresentCreatingIfAbsent(const std::string& path);
