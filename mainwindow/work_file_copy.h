// Saving a jersey: the work file copied to the user's target, whole or not at all.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

class WriteTarget;

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

/** Largest piece written at once. */
inline constexpr std::size_t kPieceBytes = 4000;
/** A work file beyond this is not one the conversion made; it is refused rather than read. */
inline constexpr std::size_t kMaxWorkFileBytes = 1 << 20;

/**
 * Copies the work file at source to target (examined already) in pieces of at most kPieceBytes;
 * afterwards the target holds exactly the source's bytes under every name, or, on failure, what
 * it held before. Throws WorkFileReadError when source cannot be read as an ordinary file,
 * SaveError when target cannot be written.
 */
void copyFile(const std::string& source, const WriteTarget& target);

}  // namespace WorkFileCopy
