// Which folder is the program folder: the executable's own, or a per-user copy of the shipped
// files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

/**
 * The tool keeps its work file, palette, settings and skins in one folder and patches the work
 * file on every load, so that folder must be writable. A build folder or an unpacked portable copy
 * is; an installed program's folder is not, and then each user gets a folder of their own, filled
 * from the installed shared files.
 */
namespace ProgramFolderChoice {

struct Choice {
    std::filesystem::path folder;
    /** Why the program cannot work in folder, naming it; empty when it can. */
    std::string problem;
};

/**
 * executableFolder when it is usable. An empty pk001.fsh there, or none beside a fifa2k.pal, is a
 * damaged portable copy: it is chosen all the same, with the problem named, rather than moving on
 * to a folder the user does not know about. Otherwise userFolder, created when missing and seeded
 * from each of sharedFolders in turn; a problem names it when it cannot be made or written.
 */
Choice choose(const std::filesystem::path& executableFolder,
              const std::vector<std::filesystem::path>& sharedFolders,
              const std::filesystem::path& userFolder);

/** True when folder holds a non-empty pk001.fsh that can be written, and takes new files. */
bool isUsable(const std::filesystem::path& folder);

/**
 * Copies each shipped file of from (pk001.fsh, fifa2k.pal, readme.txt, the *.jpg skins) into to
 * where to has no such file or an empty one: a file the user already has is never replaced, and
 * an empty file is nothing to copy. Copies that fail are left out (the start-up then reports what
 * is missing).
 */
void seed(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace ProgramFolderChoice
