// Whether an ordinary file exists at a path: not a folder, and not one the platform hides
// (hidden or system files on Windows, dot-files on Linux).
#pragma once

#include <memory>
#include <string>

class FileExistence {
public:
    virtual ~FileExistence() = default;
    virtual bool ordinaryFileExists(const std::string& path) = 0;
};

/** The test of the platform this program is built for. */
std::unique_ptr<FileExistence> createFileExistence();
