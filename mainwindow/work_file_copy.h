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

namespace WorkFileCopy {

/** Largest piece moved at once: the copy never holds more of the file in memory. */
inline constexpr qint64 kPieceBytes = 4000;

/**
 * Copies the file at source to target in pieces of at most kPieceBytes. The bytes go to a
 * temporary file beside the target, which replaces the target only once every byte is written,
 * so a failure leaves an existing target as it was. Afterwards the target holds exactly the
 * source's bytes. Throws SaveError.
 */
void copyFile(const QString& source, const QString& target);

/**
 * Moves length bytes from one open device to the other in pieces of at most kPieceBytes; an
 * empty source makes one empty pass. Throws SaveError naming sourceName or targetName.
 */
void copyInPieces(QIODevice& from, qint64 length, QIODevice& to, const QString& sourceName,
                  const QString& targetName);

}  // namespace WorkFileCopy
