// The running Windows program's location: the executable's folder, or the user's own copy of the
// shipped files in the local application data.
#pragma once

#include "platform/program_location.h"

class Win32ProgramLocation : public ProgramLocation {
public:
    /** Chooses the folder, and seeds a per-user one, once. */
    Win32ProgramLocation();
    std::string programFolder() const override { return m_folder; }
    std::string problem() const override { return m_problem; }
    ProgramLocations locations() const override { return m_locations; }

private:
    ProgramLocations m_locations;
    std::string m_folder;
    std::string m_problem;
};
