// The About window's System Info button, Windows' way: finds the system information tool through
// the registry and starts it, or says that it cannot. Built for Windows only.
#pragma once

#include <memory>
#include <string>

#include "platform/file_existence.h"
#include "platform/plain_message_box.h"
#include "platform/program_starter.h"
#include "platform/registry.h"
#include "platform/system_info_tool.h"

struct SystemInfoServices {
    Registry& registry;
    FileExistence& fileExistence;
    ProgramStarter& programStarter;
    PlainMessageBox& messageBox;
};

/**
 * Starts the tool named by "SOFTWARE\Microsoft\Shared Tools\MSINFO" "PATH", else MSINFO32.EXE in
 * the folder of "SOFTWARE\Microsoft\Shared Tools Location" "MSINFO" if it is there; every
 * failure ends in "System Information Is Unavailable At This Time".
 */
void StartSysInfo(const SystemInfoServices& services);

/**
 * Reads one value into keyVal: REG_SZ as its text, REG_DWORD as its number in decimal; any other
 * type leaves keyVal as it was. True when the value was read; false, with keyVal empty, when the
 * key or value is missing or longer than 1023 bytes. Throws RegistryError for a value stored
 * with no data at all.
 */
bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

/** Windows' system information tool: StartSysInfo on the system's registry and file test. */
class RegisteredSystemInfoTool : public SystemInfoTool {
public:
    /** starter and messageBox must outlive it. */
    RegisteredSystemInfoTool(ProgramStarter& starter, PlainMessageBox& messageBox);
    void start() override;

private:
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<FileExistence> m_fileExistence;
    SystemInfoServices m_services;
};
