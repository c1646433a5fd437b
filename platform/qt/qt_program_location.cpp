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

QtProgramLocation::QtProgramLocation() : m_locations(ProgramLocations::ofThisProgram()) {
    // The same places the converter keeps its hands off.
    const ProgramLocations& locations = m_locations;
    const std::vector<std::filesystem::path> shared(locations.sharedFolders.begin(),
                                                    locations.sharedFolders.end());
    const ProgramFolderChoice::Choice choice = ProgramFolderChoice::choose(
        locations.executableFolder.empty() ? native(QCoreApplication::applicationDirPath())
                                           : std::filesystem::path(locations.executableFolder),
        shared, locations.userFolder);
    m_folder = choice.folder.string();
    m_problem = choice.problem;
    // The system did not say where the program is: Qt's answer stands in for it.
    if (m_locations.executable.empty())
        m_locations.executable =
            QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}
