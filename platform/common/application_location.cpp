// The folder of the running executable.
#include "application_location.h"

#include <QCoreApplication>
#include <QDir>

QString ApplicationLocation::executableFolder() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}
