// Saving a jersey: the work file copied in pieces, replacing the target only when complete.
#include "work_file_copy.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {
std::string message(const QString& what, const QString& path, const QString& reason) {
    return QString(what + QLatin1Char(' ') + path + QStringLiteral(": ") + reason)
        .toLocal8Bit()
        .toStdString();
}

[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason) {
    throw SaveError(message(what, path, reason));
}

[[noreturn]] void failReading(const QString& path, const QString& reason) {
    throw WorkFileReadError(message(QStringLiteral("Cannot read"), path, reason));
}

bool hasOtherNames(const QString& path) {
    std::error_code error;
    const auto links =
        std::filesystem::hard_link_count(QFile::encodeName(path).toStdString(), error);
    return !error && links > 1;
}

// Replacing the file would leave its other names holding the old jersey: write into it.
void copyInPlace(QFile& from, const QString& source, const QString& target) {
    QFile to(target);
    if (!to.open(QIODevice::ReadWrite))
        fail(QStringLiteral("Cannot write"), target, to.errorString());
    WorkFileCopy::copyInPieces(from, from.size(), to, source, target);
    if (!to.resize(to.pos()) || !to.flush()) {
        fail(QStringLiteral("Cannot write"), target, to.errorString());
    }
}
}  // namespace

namespace WorkFileCopy {

void copyInPieces(QIODevice& from, qint64 length, QIODevice& to, const QString& sourceName,
                  const QString& targetName) {
    std::vector<char> piece(kPieceBytes);
    qint64 remaining = length;
    do {
        const qint64 size = std::min(remaining, kPieceBytes);
        if (from.read(piece.data(), size) != size) failReading(sourceName, from.errorString());
        if (to.write(piece.data(), size) != size) {
            fail(QStringLiteral("Cannot write"), targetName, to.errorString());
        }
        remaining -= size;
    } while (remaining > 0);
}

void copyFile(const QString& source, const QString& target) {
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly)) failReading(source, from.errorString());
    if (hasOtherNames(target)) {
        copyInPlace(from, source, target);
        return;
    }
    QSaveFile to(target);
    // A folder that takes no new files still lets an existing target be written where it is.
    to.setDirectWriteFallback(true);
    if (!to.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("Cannot write"), target, to.errorString());
    }
    copyInPieces(from, from.size(), to, source, target);  // an exception discards the temporary
    if (!to.commit()) fail(QStringLiteral("Cannot write"), target, to.errorString());
}

}  // namespace WorkFileCopy
