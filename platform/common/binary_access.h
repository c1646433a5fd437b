// Opening a file the way the tool's binary reads do: for reading and writing, created when absent.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

/**
 * Opens path for reading and writing without truncating it; a file that does not exist is
 * created empty. A file that may be read but not written is opened for reading only. Null when
 * neither works (errno tells why).
 */
FileHandle openForBinaryAccess(const std::string& path);
