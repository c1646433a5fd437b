// The file-existence test on Windows: files that are neither folders nor hidden nor system files.
#pragma once

#include "platform/file_existence.h"

class Win32FileExistence : public FileExistence {
public:
    bool ordinaryFileExists(const std::string& path) override;
};
