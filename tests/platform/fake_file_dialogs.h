// Scripted open and save dialogs: each answers with the next scripted path and records the
// initial path it was given.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

class FakeFileDialogs : public FileDialogs {
public:
    std::string openFileName(const std::string& initialPath) override;
    std::string saveFileName(const std::string& initialPath) override;
    /** Records "TITLE | INITIAL FOLDER" and answers with the next of folderAnswers. */
    std::string chooseFolder(const std::string& title, const std::string& initialFolder) override;

    /** What the next dialogs return; an empty string is a cancel. */
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::deque<std::string> folderAnswers;
    /** The initial path each dialog was given. */
    std::vector<std::string> openInitialPaths;
    std::vector<std::string> saveInitialPaths;
    std::vector<std::string> folderPickers;
};
