// A program location the test sets: its folder, the installation's folders and, when the test
// wants one, a problem.
#pragma once

#include "platform/program_location.h"

class FakeProgramLocation : public ProgramLocation {
public:
    std::string programFolder() const override { return folder; }
    std::string problem() const override { return folderProblem; }
    /** The folder, then installedFolders (a package's bin/ and share/vestrix, say), and the
     * executable. */
    ProgramLocations locations() const override {
        ProgramLocations places;
        places.executable = executable;
        places.executableFolder = folder;
        places.sharedFolders = installedFolders;
        places.gatherFolders();
        return places;
    }
    std::string folder;
    std::string executable;
    std::vector<std::string> installedFolders;
    std::string folderProblem;
};
