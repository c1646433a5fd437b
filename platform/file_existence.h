// Whether an ordinary file exists at a path: not a folder, and not a hidden or system file. The
// System Info lookup asks it on Windows.
#pragma once

#include <memory>
#include <string>

class FileExistence {
public:
    virtual ~FileExistence() = default;
    virtual bool ordinaryFileExists(const std::string& path) = 0;
};

/** Windows' test. */
std::unique_ptr<FileExistence> createFileExistence();
