// The program folder of the running program.
#include "application_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "program_folder_choice.h"

namespace {
QString cleaned(const QString& path) { return QDir::cleanPath(path); }
}  // namespace

ApplicationLocation::ApplicationLocation() {
    const QString executable = QCoreApplication::applicationDirPath();
    // Where the shipped files may be, best first: beside an installed executable that may not be
    // written (a Windows program folder), the installation's own share/vestrix (found wherever the
    // installation was moved), then the system's data folders.
    QStringList shared{executable, cleaned(executable + QStringLiteral("/../share/vestrix"))};
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        shared << cleaned(data + QStringLiteral("/vestrix"));
    // $XDG_DATA_HOME/vestrix on Linux, the local application-data folder on Windows.
    const QString user =
        cleaned(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/vestrix"));
    m_folder = QDir::toNativeSeparators(ProgramFolderChoice::choose(executable, shared, user));
}
