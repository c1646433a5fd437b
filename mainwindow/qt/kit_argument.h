// A kit named when the program is started: `vestrix KIT.fsh`, or the file a desktop opens with it.
#pragma once

#include <QString>

namespace KitArgument {

/**
 * The full path of the kit an argument names, in native separators: a relative name counts from
 * the current folder, and a file: URL (as some file managers hand over) is its local file. Empty
 * for an empty argument or a URL of another kind.
 */
QString fullPath(const QString& argument);

}  // namespace KitArgument
