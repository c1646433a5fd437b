// Creating the output folders a run needs, all or none: a run that stops on a usage error leaves
// behind no folder that it made.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class FolderMaker {
public:
    /** Creates folder and the missing ones above it; "Cannot create folder ...: REASON" if not. */
    std::string make(const std::string& folder);
    /** Removes every folder make created, newest first; nothing has been written into them. */
    void undo();

private:
    std::vector<std::filesystem::path> m_made;
};
