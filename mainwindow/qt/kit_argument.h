// A kit named when the program is started: `vestrix KIT.fsh`, or the file a desktop opens with it.
#pragma once

#include <string>

namespace KitArgument {

/**
 * The full path of the kit an argument names, as the file system's bytes: a relative name counts
 * from the current folder, and a file: URL (as some file managers hand over) is its local file.
 * Empty for an empty argument or a URL of another kind. A name need not be valid UTF-8, so it is
 * never taken through QString, which would replace such bytes.
 */
std::string fullPath(const std::string& argument);

/** The first argument that is no option (Qt has taken its own out of argv), as fullPath gives it.
 */
std::string fromCommandLine(int argc, char** argv);

}  // namespace KitArgument
