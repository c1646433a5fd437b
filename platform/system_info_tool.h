// Starting the system information tool, for the About window's System Info button. On Windows the
// tool the registry names (info/system_info.h); on a Linux desktop the first system monitor
// installed. createSystemInfoTool() is defined by the one backend linked in.
#pragma once

#include <memory>

class PlainMessageBox;
class ProgramStarter;

/** What the user is told when there is no tool to start, or it does not start. */
inline constexpr const char* kSystemInfoUnavailableMessage =
    "System Information Is Unavailable At This Time";

class SystemInfoTool {
public:
    virtual ~SystemInfoTool() = default;
    /** Starts the tool without waiting for it, or tells the user that it cannot. */
    virtual void start() = 0;
};

/**
 * The tool of the platform this program is built for, started through starter; messageBox tells
 * the user when there is none. Both must outlive it.
 */
std::unique_ptr<SystemInfoTool> createSystemInfoTool(ProgramStarter& starter,
                                                     PlainMessageBox& messageBox);
