// The system information tool on a Linux desktop: the first system monitor installed, looked up on
// PATH at each press of the button, so one installed while the program runs is found.
#pragma once

#include "platform/system_info_tool.h"

class DesktopSystemInfoTool : public SystemInfoTool {
public:
    DesktopSystemInfoTool(ProgramStarter& starter, PlainMessageBox& messageBox)
        : m_starter(starter), m_messageBox(messageBox) {}

    void start() override;

private:
    ProgramStarter& m_starter;
    PlainMessageBox& m_messageBox;
};
