// Which folder is the program folder: the executable's own, or a per-user copy of the shipped
// files.
#pragma once

#include <QString>
#include <QStringList>

/**
 * The tool keeps its work file, palette, settings and skins in one folder and patches the work
 * file on every load, so that folder must be writable. A build folder or an unpacked portable copy
 * is; an installed program's folder is not, and then each user gets a folder of their own, filled
 * from the installed shared files.
 */
namespace ProgramFolderChoice {

/**
 * executableFolder when it holds a non-empty pk001.fsh that may be written and the folder takes
 * new files; otherwise userFolder, created when missing and seeded from each of sharedFolders in
 * turn. Folders are given without a trailing separator; the answer has none either.
 */
QString choose(const QString& executableFolder, const QStringList& sharedFolders,
               const QString& userFolder);

/** True when folder holds a non-empty pk001.fsh that can be written, and takes new files. */
bool isUsable(const QString& folder);

/**
 * Copies each shipped file of from (pk001.fsh, fifa2k.pal, readme.txt, the *.jpg skins) into to
 * where to has no such file or an empty one: a file the user already has is never replaced.
 * Copies that fail are left out (the start-up then reports what is missing).
 */
void seed(const QString& from, const QString& to);

}  // namespace ProgramFolderChoice
