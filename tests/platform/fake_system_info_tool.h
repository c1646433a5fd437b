// A system information tool that only counts how often it was started.
#pragma once

#include "platform/system_info_tool.h"

class FakeSystemInfoTool : public SystemInfoTool {
public:
    void start() override { ++starts; }
    int starts = 0;
};
