// Starting a command line as it stands, as the Windows registry gives one (the browser's command,
// the system information tool's path): Windows' own way, which the browser launcher and the System
// Info lookup in info/ need. Elsewhere programs are started by name and arguments only.
#pragma once

#include <string>

#include "platform/program_starter.h"

class CommandLineStarter : public ProgramStarter {
public:
    /**
     * The system finds the program in the line; quotes and placeholders stay as they are. Throws
     * ProgramStartError, also when the line is empty.
     */
    virtual void startCommandLine(const std::string& commandLine) = 0;
};
