// Starting programs on a Linux desktop.
#include "platform/desktop/desktop_program_starter.h"

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

namespace {
/**
 * Hands target to xdg-open and watches it rather than detaching it: xdg-open only says by its exit
 * status that no program took the target. viewer names what the user lacks then. The process
 * object lets go of itself once it has ended.
 */
void openWithXdgOpen(const std::string& target, const std::string& viewer,
                     ProgramStarter::ViewerFailed onFailure) {
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({QFile::decodeName(target.c_str())});
    opener->setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(
        opener, &QProcess::finished, opener,
        [opener, target, viewer, onFailure](int exitCode, QProcess::ExitStatus status) {
            opener->deleteLater();
            if ((status == QProcess::NormalExit && exitCode == 0) || !onFailure) return;
            // xdg-open's statuses: 2 the file is not there, 3 no program for it on this desktop.
            const std::string how = status == QProcess::NormalExit
                                        ? "status " + std::to_string(exitCode)
                                        : std::string("a crash");
            if (status == QProcess::NormalExit && exitCode == 2) {
                onFailure("Cannot find " + target);
            } else if (status == QProcess::NormalExit && exitCode == 3) {
                onFailure("No program could show " + target + " (xdg-open ended with " + how +
                          "). Please install " + viewer + ".");
            } else {
                onFailure("Cannot show " + target + " (xdg-open ended with " + how + ")");
            }
        });
    opener->start();
    if (!opener->waitForStarted()) {
        delete opener;
        throw ProgramStartError("Cannot start xdg-open");
    }
}
}  // namespace

void DesktopProgramStarter::showTextFile(const std::string& path, ViewerFailed onFailure) {
    openWithXdgOpen(path, "a text viewer", std::move(onFailure));
}

void DesktopProgramStarter::showWebPage(const std::string& address, ViewerFailed onFailure) {
    openWithXdgOpen(address, "a web browser", std::move(onFailure));
}

void DesktopProgramStarter::showFolder(const std::string& folder, ViewerFailed onFailure) {
    openWithXdgOpen(folder, "a file manager", std::move(onFailure));
}

std::unique_ptr<ProgramStarter> createProgramStarter() {
    return std::make_unique<DesktopProgramStarter>();
}
