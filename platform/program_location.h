// Where the program is installed: its own files (pk001.fsh, fifa2k.pal, jersey.cfg) live there.
#pragma once

#include <QString>

class ProgramLocation {
public:
    virtual ~ProgramLocation() = default;
    /** The executable's folder in native separators; a trailing separator may or may not be there.
     */
    virtual QString executableFolder() const = 0;
};
