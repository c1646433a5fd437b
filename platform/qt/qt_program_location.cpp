// The program folder of the running program.
#include "qt_program_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "program_folder_choice.h"

namespace {
std::filesystem::path native(const QString& path) {
    return QFile::encodeName(QDir::toNativeSeparators(QDir::cleanPath(path))).toStdString();
}
}  // namespace

QtProgramLocation::QtProgramLocation() {
    const QString executable = QCoreApplication::applicationDirPath();
    // Where the shipped files may be, best first: beside an installed executable that may not be
    // written (a Windows program folder), the installation's own share/vestrix (found wherever the
    // installation was moved), then the system's data folders.
    std::vector<std::filesystem::path> shared{
        native(executable), native(executable + QStringLiteral("/../share/vestrix"))};
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        shared.push_back(native(data + QStringLiteral("/vestrix")));
    }
    // $XDG_DATA_HOME/vestrix on Linux, the local application-data folder on Windows.
    const std::filesystem::path user =
        native(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/vestrix"));
    const ProgramFolderChoice::Choice choice =
        ProgramFolderChoice::choose(native(executable), shared, user);
    m_folder = choice.folder.string();
    m_problem = choice.problem;
}

std::string QtProgramLocation::executablePath() const {
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}
