// The real immediate end of the program.
#pragma once

#include "platform/program_exit.h"

class ImmediateExit : public ProgramExit {
public:
    [[noreturn]] void exitNow(int status) override;
};
