// Where the tool's own files (pk001.fsh, fifa2k.pal, jersey.cfg, the skins) live.
#pragma once

#include <QString>

class ProgramLocation {
public:
    virtual ~ProgramLocation() = default;
    /**
     * The program folder in native separators; a trailing separator may or may not be there. The
     * executable's folder where the user may write it, otherwise the user's own copy.
     */
    virtual QString programFolder() const = 0;
};
