// Saving a jersey: the work file copied to the user's target, whole or not at all.
#pragma once

#include <QString>
#include <QtGlobal>
#include <stdexcept>

class QIODevice;

/** The copy failed; the message names the file. */
class SaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** The work file itself could not be read: a problem of the tool's own file, not the target's. */
class WorkFileReadError : public SaveError {
public:
    using SaveError::SaveError;
};

namespace WorkFileCopy {

/** Largest piece moved at once: the copy never holds more of the file in memory. */
inline constexpr qint64 kPieceBytes = 4000;

/**
 * Copies the file at source to target in pieces of at most kPieceBytes. The bytes go to a
 * temporary file beside the target, which replaces the target only once every byte is written,
 * so a failure leaves an existing target as it was. A target with other hard links, or in a
 * folder that takes no new files, is written in place instead, so it stays the same file.
 * Afterwards the target holds exactly the source's bytes. Throws WorkFileReadError when source
 * cannot be read, SaveError when target cannot be written.
 */
void copyFile(const QString& source, const QString& target);

/**
 * Moves length bytes from one open device to the other in pieces of at most kPieceBytes; an
 * empty source makes one empty pass. Throws WorkFileReadError naming sourceName or SaveError
 * naming targetName.
 */
void copyInPieces(QIODevice& from, qint64 length, QIODevice& to, const QString& sourceName,
                  const QString& targetName);

}  // namespace WorkFileCopy
