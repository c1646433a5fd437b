// The real program location: the folder of the running executable.
#pragma once

#include "program_location.h"

class ApplicationLocation : public ProgramLocation {
public:
    /** Needs a QCoreApplication. */
    QString executableFolder() const override;
};
