// Where the tool's own files (pk001.fsh, fifa2k.pal, jersey.cfg, the skins) live.
#pragma once

#include <string>

#include "platform/program_locations.h"

class ProgramLocation {
public:
    virtual ~ProgramLocation() = default;
    /**
     * The program folder in the system's encoding and separators; a trailing separator may or may
     * not be there. The executable's folder where the user may write it, otherwise the user's own
     * copy.
     */
    virtual std::string programFolder() const = 0;
    /**
     * Why the program cannot work in that folder (it could not be made, it cannot be written, the
     * work file beside the program is empty), naming the folder; empty when it can.
     */
    virtual std::string problem() const { return {}; }
    /**
     * The running program and every folder of its own files (the executable's, the installed
     * shared files, the user's copy): what the converter refuses to write over, and so the
     * window's Save too.
     */
    virtual ProgramLocations locations() const = 0;
};
