// A program end that only records that it was asked for.
#pragma once

#include <vector>

#include "platform/program_exit.h"

class FakeProgramExit : public ProgramExit {
public:
    void exitNow(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};
