// The program folder of the running program.
#include "platform/qt/qt_program_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/common/path_text.h"
#include "platform/common/program_folder_choice.h"
#include "platform/program_locations.h"

namespace {
std::filesystem::path native(const QString& path) {
    return toPath(QFile::encodeName(QDir::toNativeSeparators(QDir::cleanPath(path))).toStdString());
}
}  // namespace

QtProgramLocation::QtProgramLocation() : m_locations(ProgramLocations::ofThisProgram()) {
    // The same places the converter keeps its hands off.
    const ProgramLocations& locations = m_locations;
    std::vector<std::filesystem::path> shared;
    for (const std::string& folder : locations.sharedFolders) shared.push_back(toPath(folder));
    const ProgramFolderChoice::Choice choice = ProgramFolderChoice::choose(
        locations.executableFolder.empty() ? native(QCoreApplication::applicationDirPath())
                                           : toPath(locations.executableFolder),
        shared, toPath(locations.userFolder));
    m_folder = pathText(choice.folder);
    m_problem = choice.problem;
    // The system did not say where the program is: Qt's answer stands in for it.
    if (m_locations.executable.empty())
        m_locations.executable =
            QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}
