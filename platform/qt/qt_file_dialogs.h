// The real open and save dialogs, over the window the user is working in.
#pragma once

#include "platform/file_dialogs.h"

class QtFileDialogs : public FileDialogs {
public:
    std::string openFileName(const std::string& initialPath) override;
    std::string saveFileName(const std::string& initialPath) override;
    std::string chooseFolder(const std::string& title, const std::string& initialFolder) override;
};
