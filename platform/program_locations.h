// Where the program and its files live: the running executable, the installation's shared files
// and the user's own program folder. The window chooses its program folder among them; the
// converter refuses to write a jersey over any file in them.
#pragma once

#include <string>
#include <vector>

struct ProgramLocations {
    /** The running program; empty when the system does not say. */
    std::string executable;
    /** Every folder that may hold the program's own files: the three kinds below, in that order. */
    std::vector<std::string> folders;
    /** The executable's folder (a build, a portable copy); empty when unknown. */
    std::string executableFolder;
    /**
     * Where an installation keeps the shipped files, best first: beside the executable, its
     * share/vestrix (wherever the installation was moved), then the system's data folders.
     */
    std::vector<std::string> sharedFolders;
    /** The user's own folder, for a program installed where its user cannot write. */
    std::string userFolder;

    static ProgramLocations ofThisProgram();

    /** Fills folders from the three kinds, leaving out those the system did not give. */
    void gatherFolders() {
        folders.clear();
        if (!executableFolder.empty()) folders.push_back(executableFolder);
        folders.insert(folders.end(), sharedFolders.begin(), sharedFolders.end());
        if (!userFolder.empty()) folders.push_back(userFolder);
    }
};
