// Which file a drop on the main window names, as a file manager drops it: the Load command's
// check then says whether it is a kit.
#pragma once

#include <string>
#include <vector>

/**
 * The one file among paths (the dropped items' local paths; an item that is no local file
 * comes as empty text), or empty text when the drop is not a single existing file that is no
 * folder: several kits at once, a folder or a web link are refused at the window's edge.
 */
std::string droppedKit(const std::vector<std::string>& paths);
