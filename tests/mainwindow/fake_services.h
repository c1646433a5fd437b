// Scripted stand-ins for the dialogs, message boxes, program end, program starter, registry and
// file test.
#pragma once

#include <QString>
#include <deque>
#include <string>
#include <vector>

#include "call_log.h"
#include "fake_file_existence.h"
#include "fake_registry.h"
#include "main_window_services.h"

class FakeFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& initialPath) override;
    QString saveFileName(QWidget* parent, const QString& initialPath) override;

    /** What the next dialogs return; an empty string is a cancel. */
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    /** The initial path each dialog was given. */
    std::vector<QString> openInitialPaths;
    std::vector<QString> saveInitialPaths;
};

struct ShownMessage {
    QString text;
    QString title;
    MessageButtons buttons;
    MessageAnswer defaultAnswer;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const QString& text, const QString& title,
                       MessageButtons buttons, MessageAnswer defaultAnswer) override;

    /** Answers to Yes/No questions, in order; a question nobody scripted fails the test. */
    std::deque<MessageAnswer> answers;
    std::vector<ShownMessage> shown;
    std::vector<QString> texts() const;
};

class FakeProgramExit : public ProgramExit {
public:
    void exitNow(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

class FakeProgramStarter : public ProgramStarter {
public:
    void start(const std::string& program, const std::vector<std::string>& arguments) override;
    void startCommandLine(const std::string& commandLine) override;
    void showTextFile(const std::string& path, ViewerFailed onFailure) override;

    bool fails = false;
    std::vector<std::string> textFiles;
    /** What the last showTextFile was told to call when its viewer gives up. */
    ViewerFailed viewerFailed;
    std::vector<std::string> commandLines;
};

class FakeProgramLocation : public ProgramLocation {
public:
    QString programFolder() const override { return folder; }
    QString folder;
};

class FakeUrlOpener : public UrlOpener {
public:
    void openUrl(const std::string& address) override { addresses.push_back(address); }
    std::vector<std::string> addresses;
};

/** One of each, and the struct the window takes. */
struct FakeServices {
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakeProgramExit exit;
    FakeProgramStarter starter;
    FakeProgramLocation location;
    FakeUrlOpener urlOpener;
    FakeRegistry registry;
    CallLog fileChecks;
    FakeFileExistence fileExistence{fileChecks};
    MainWindowServices services{dialogs,  messages,  exit,     starter,
                                location, urlOpener, registry, fileExistence};
};
