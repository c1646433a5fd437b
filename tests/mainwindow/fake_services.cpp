// Scripted stand-ins for the window's services.
#include "fake_services.h"

#include <gtest/gtest.h>

namespace {
QString takeAnswer(std::deque<QString>& answers, const char* dialog) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << dialog << " dialog";
        return {};
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}
}  // namespace

QString FakeFileDialogs::openFileName(QWidget*, const QString& initialPath) {
    openInitialPaths.push_back(initialPath);
    return takeAnswer(openAnswers, "open");
}

QString FakeFileDialogs::saveFileName(QWidget*, const QString& initialPath) {
    saveInitialPaths.push_back(initialPath);
    return takeAnswer(saveAnswers, "save");
}

MessageAnswer FakeMessageBoxes::show(QWidget*, const QString& text, const QString& title,
                                     MessageButtons buttons, MessageAnswer defaultAnswer) {
    shown.push_back({text, title, buttons, defaultAnswer});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return MessageAnswer::No;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<QString> FakeMessageBoxes::texts() const {
    std::vector<QString> result;
    for (const ShownMessage& message : shown) result.push_back(message.text);
    return result;
}

void FakeProgramStarter::start(const std::string& program, const std::vector<std::string>&) {
    if (fails) throw ProgramStartError("Cannot start " + program);
}

void FakeProgramStarter::startCommandLine(const std::string& commandLine) {
    commandLines.push_back(commandLine);
    if (fails || commandLine.empty()) throw ProgramStartError("Cannot start " + commandLine);
}

void FakeProgramStarter::showTextFile(const std::string& path, ViewerFailed onFailure) {
    textFiles.push_back(path);
    viewerFailed = std::move(onFailure);
    if (fails) throw ProgramStartError("Cannot start the text viewer");
}
