// Saving a jersey: the work file copied in pieces, replacing the target only when complete.
#include "work_file_copy.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <vector>

namespace {
[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason) {
    throw SaveError(QString(what + QLatin1Char(' ') + path + QStringLiteral(": ") + reason)
                        .toLocal8Bit()
                        .toStdString());
}
}  // namespace

namespace WorkFileCopy {

void copyInPieces(QIODevice& from, qint64 length, QIODevice& to, const QString& sourceName,
                  const QString& targetName) {
    std::vector<char> piece(kPieceBytes);
    qint64 remaining = length;
    do {
        const qint64 size = std::min(remaining, kPieceBytes);
        if (from.read(piece.data(), size) != size) {
            fail(QStringLiteral("Cannot read"), sourceName, from.errorString());
        }
        if (to.write(piece.data(), size) != size) {
            fail(QStringLiteral("Cannot write"), targetName, to.errorString());
        }
        remaining -= size;
    } while (remaining > 0);
}

void copyFile(const QString& source, const QString& target) {
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("Cannot open"), source, from.errorString());
    }
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("Cannot write"), target, to.errorString());
    }
    copyInPieces(from, from.size(), to, source, target);  // an exception discards the temporary
    if (!to.commit()) fail(QStringLiteral("Cannot write"), target, to.errorString());
}

}  // namespace WorkFileCopy
