// The real open and save dialogs on Windows, the common dialogs of comdlg32, and the folder picker,
// the common item dialog picking folders.
#pragma once

#include "platform/file_dialogs.h"

class Win32FileDialogs : public FileDialogs {
public:
    std::string openFileName(const std::string& initialPath) override;
    std::string saveFileName(const std::string& initialPath) override;
    std::string chooseFolder(const std::string& title, const std::string& initialFolder,
                             FolderKind kind) override;
};
