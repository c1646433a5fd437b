// The scripted dialogs and message boxes.
#include <gtest/gtest.h>

#include "tests/platform/fake_file_dialogs.h"
#include "tests/platform/fake_message_boxes.h"

namespace {
std::string takeAnswer(std::deque<std::string>& answers, const char* dialog) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << dialog << " dialog";
        return {};
    }
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}
}  // namespace

std::string FakeFileDialogs::openFileName(const std::string& initialPath) {
    openInitialPaths.push_back(initialPath);
    return takeAnswer(openAnswers, "open");
}

std::string FakeFileDialogs::saveFileName(const std::string& initialPath) {
    saveInitialPaths.push_back(initialPath);
    return takeAnswer(saveAnswers, "save");
}

std::string FakeFileDialogs::chooseFolder(const std::string& title,
                                          const std::string& initialFolder) {
    folderPickers.push_back(title + " | " + initialFolder);
    return takeAnswer(folderAnswers, "folder");
}

MessageAnswer FakeMessageBoxes::show(const std::string& text, const std::string& title,
                                     MessageButtons buttons, MessageAnswer defaultAnswer) {
    shown.push_back({text, title, buttons, defaultAnswer});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return MessageAnswer::No;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<std::string> FakeMessageBoxes::texts() const {
    std::vector<std::string> result;
    for (const ShownMessage& message : shown) result.push_back(message.text);
    return result;
}
