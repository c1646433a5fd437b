// The real program location: the executable's folder, or the user's own copy of the shipped files.
#pragma once

#include "program_location.h"

class ApplicationLocation : public ProgramLocation {
public:
    /** Needs a QCoreApplication. Chooses the folder, and seeds a per-user one, once. */
    ApplicationLocation();
    QString programFolder() const override { return m_folder; }

private:
    QString m_folder;
};
