// What a drop on the main window names, as a file manager drops it: one file, which the Load
// command's check then takes or refuses as a kit, or several kits and folders to convert at once.
#pragma once

#include <string>
#include <vector>

/**
 * The one file among paths (the dropped items' local paths; an item that is no local file
 * comes as empty text), or empty text when the drop is not a single existing file that is no
 * folder: several kits at once, a folder or a web link are refused at the window's edge.
 */
std::string droppedKit(const std::vector<std::string>& paths);

/**
 * The items of a drop that is converted as a folder is: several existing items (kits, folders),
 * or a single folder. Empty when the drop is anything else: a single file, an item that is no
 * local file or is not there.
 */
std::vector<std::string> droppedCollection(const std::vector<std::string>& paths);
