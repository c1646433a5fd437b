// Starting the first system monitor found on PATH.
#include "platform/desktop/desktop_system_info_tool.h"

#include <array>

#include "platform/desktop/path_lookup.h"
#include "platform/plain_message_box.h"
#include "platform/program_starter.h"

namespace {
// Most complete first: a hardware report, then the desktops' own system monitors.
constexpr std::array kTools = {"hardinfo",  "gnome-system-monitor", "plasma-systemmonitor",
                               "ksysguard", "mate-system-monitor",  "xfce4-taskmanager",
                               "lxtask"};
}  // namespace

void DesktopSystemInfoTool::start() {
    for (const char* tool : kTools) {
        const std::string path = findProgramOnPath(tool);
        if (path.empty()) continue;
        try {
            m_starter.start(path, {});
            return;
        } catch (const std::exception&) {
            break;  // the first one installed is the user's tool: no other is tried
        }
    }
    m_messageBox.show(kSystemInfoUnavailableMessage);
}

std::unique_ptr<SystemInfoTool> createSystemInfoTool(ProgramStarter& starter,
                                                     PlainMessageBox& messageBox) {
    return std::make_unique<DesktopSystemInfoTool>(starter, messageBox);
}
