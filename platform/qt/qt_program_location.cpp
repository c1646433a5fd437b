// The program folder of the running program.
#include "qt_program_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "path_text.h"
#include "program_folder_choice.h"
#include "program_locations.h"

namespace {
std::filesystem::path native(const QString& path) {
    return toPath(QFile::encodeName(QDir::toNativeSeparators(QDir::cleanPath(path))).toStdString());
}
}  // namespace

QtProgramLocation::QtProgramLocation() {
    // The same places the converter keeps its hands off.
    const ProgramLocations locations = ProgramLocations::ofThisProgram();
    std::vector<std::filesystem::path> shared;
    for (const std::string& folder : locations.sharedFolders) shared.push_back(toPath(folder));
    const ProgramFolderChoice::Choice choice = ProgramFolderChoice::choose(
        locations.executableFolder.empty() ? native(QCoreApplication::applicationDirPath())
                                           : toPath(locations.executableFolder),
        shared, toPath(locations.userFolder));
    m_folder = pathText(choice.folder);
    m_executable = locations.executable;
    m_problem = choice.problem;
}

std::string QtProgramLocation::executablePath() const {
    // The system's own bytes where it says (Qt's path would lose those that are no UTF-8).
    if (!m_executable.empty()) return m_executable;
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}
