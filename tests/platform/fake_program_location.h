// A program location the test sets: its folder and, when the test wants one, a problem.
#pragma once

#include "program_location.h"

class FakeProgramLocation : public ProgramLocation {
public:
    std::string programFolder() const override { return folder; }
    std::string problem() const override { return folderProblem; }
    std::string executablePath() const override { return executable; }
    std::string folder;
    std::string executable;
    std::string folderProblem;
};
