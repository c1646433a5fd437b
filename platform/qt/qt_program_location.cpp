// The program folder of the running program.
#include "qt_program_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "program_folder_choice.h"
#include "program_locations.h"

namespace {
std::filesystem::path native(const QString& path) {
    return QFile::encodeName(QDir::toNativeSeparators(QDir::cleanPath(path))).toStdString();
}
}  // namespace

QtProgramLocation::QtProgramLocation() {
    // The same places the converter keeps its hands off.
    const ProgramLocations locations = ProgramLocations::ofThisProgram();
    const std::vector<std::filesystem::path> shared(locations.sharedFolders.begin(),
                                                    locations.sharedFolders.end());
    const ProgramFolderChoice::Choice choice = ProgramFolderChoice::choose(
        locations.executableFolder.empty() ? native(QCoreApplication::applicationDirPath())
                                           : std::filesystem::path(locations.executableFolder),
        shared, locations.userFolder);
    m_folder = choice.folder.string();
    m_problem = choice.problem;
}

std::string QtProgramLocation::executablePath() const {
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}
