// Where the program and the window's files live, so that no jersey is written over them.
#pragma once

#include <string>
#include <vector>

struct ProgramLocations {
    /** The running vestrix-convert; empty when the system does not say. */
    std::string executable;
    /**
     * The window's program folders: the executable's own folder (a build, a portable copy; the
     * window's when it can write there), the installation's shared files, and the user's own.
     */
    std::vector<std::string> folders;

    static ProgramLocations ofThisProgram();
};
