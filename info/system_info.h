// The About window's System Info button: finds the system information tool through the
// registry and starts it, or says that it cannot.
#pragma once

#include <string>

#include "file_existence.h"
#include "plain_message_box.h"
#include "program_starter.h"
#include "registry.h"

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
 * Reads one value into KeyVal: REG_SZ as its text, REG_DWORD as its number in decimal; any other
 * type leaves KeyVal as it was. True when the value was read; false, with KeyVal empty, when the
 * key or value is missing or longer than 1023 bytes. Throws RegistryError for a value stored
 * with no data at all.
 */
bool GetKeyValue(Registry& registry, RegistryRoot KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);
