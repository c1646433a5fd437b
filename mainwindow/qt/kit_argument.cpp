// Turning the program's argument into the full path the Load command remembers.
#include "kit_argument.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace KitArgument {

QString fullPath(const QString& argument) {
    if (argument.isEmpty()) return {};
    QString local = argument;
    if (argument.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (!url.isLocalFile()) return {};
        local = url.toLocalFile();
    }
    // The settings file keeps the full path: the next open dialog starts from it.
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(local).absoluteFilePath()));
}

}  // namespace KitArgument
