// Starting programs on a Linux desktop.
#include "desktop_program_starter.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

void DesktopProgramStarter::start(const std::string& program,
                                  const std::vector<std::string>& arguments) {
    QStringList qtArguments;
    for (const std::string& argument : arguments)
        qtArguments << QFile::decodeName(argument.c_str());
    // startDetached does not wait and runs the program itself, so paths need no quoting.
    if (!QProcess::startDetached(QFile::decodeName(program.c_str()), qtArguments)) {
        throw ProgramStartError("Cannot start " + program);
    }
}

void DesktopProgramStarter::startCommandLine(const std::string& commandLine) {
    // A tool's path from the registry is not quoted even when it holds a space.
    const QString line = QFile::decodeName(commandLine.c_str());
    if (QFileInfo(line).isFile()) {
        start(commandLine, {});
        return;
    }
    QStringList words = QProcess::splitCommand(line);
    if (words.isEmpty()) throw ProgramStartError("Cannot start an empty command line");
    const QString program = words.takeFirst();
    std::vector<std::string> arguments;
    for (const QString& word : words) arguments.push_back(QFile::encodeName(word).toStdString());
    start(QFile::encodeName(program).toStdString(), arguments);
}

void DesktopProgramStarter::showTextFile(const std::string& path) { start("xdg-open", {path}); }

std::unique_ptr<ProgramStarter> createProgramStarter() {
    return std::make_unique<DesktopProgramStarter>();
}
