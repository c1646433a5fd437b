// Starting programs on a Linux desktop.
#include "desktop_program_starter.h"

#include <QFile>
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

void DesktopProgramStarter::showTextFile(const std::string& path) { start("xdg-open", {path}); }

std::unique_ptr<ProgramStarter> createProgramStarter() {
    return std::make_unique<DesktopProgramStarter>();
}
