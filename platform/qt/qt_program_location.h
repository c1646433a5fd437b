// The running Qt program's location: the executable's folder, or the user's own copy of the
// shipped files.
#pragma once

#include "platform/program_location.h"

class QtProgramLocation : public ProgramLocation {
public:
    /** Needs a QCoreApplication. Chooses the folder, and seeds a per-user one, once. */
    QtProgramLocation();
    std::string programFolder() const override { return m_folder; }
    std::string problem() const override { return m_problem; }
    ProgramLocations locations() const override { return m_locations; }

private:
    ProgramLocations m_locations;
    std::string m_folder;
    std::string m_problem;
};
