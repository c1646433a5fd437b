// Where the tool's own files (pk001.fsh, fifa2k.pal, jersey.cfg, the skins) live.
#pragma once

#include <string>

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
    /** The running program's own file, which no jersey may be saved over. */
    virtual std::string executablePath() const = 0;
};
