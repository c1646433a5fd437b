// The file-existence test on Linux: regular files (or links to them) whose name is no dot-file.
#pragma once

#include "file_existence.h"

class DesktopFileExistence : public FileExistence {
public:
    bool ordinaryFileExists(const std::string& path) override;
};
