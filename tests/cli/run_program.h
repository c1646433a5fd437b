// Runs vestrix-convert as a user would, capturing what it prints.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string errors;
};

/** Runs program with arguments (no shell), stdin empty, and waits for it. */
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments);
