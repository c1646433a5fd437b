// The system information tool's lookup in the registry and its start.
#include "info/system_info.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "platform/registry_error.h"
#include "platform/registry_key_closer.h"

namespace {
constexpr std::uint32_t kBufferSize = 1024;
constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kToolFileName = "MSINFO32.EXE";

// A REG_DWORD's data is its number, little-endian.
std::string dwordText(const std::array<std::uint8_t, kBufferSize>& buffer, std::uint32_t length) {
    std::uint32_t value = 0;
    for (std::uint32_t i = std::min<std::uint32_t>(length, 4); i-- > 0;) {
        value = (value << 8) | buffer[i];
    }
    return std::to_string(value);
}
}  // namespace

bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
    RegistryKey key = 0;
    // Closed at the end whatever happens, even the 0 that a failed open leaves.
    const RegistryKeyCloser closer(registry, key);
    if (registry.openKey(keyRoot, keyName, 0, RegistryAccess::kRead, key) !=
        RegistryResult::kSuccess) {
        keyVal.clear();
        return false;
    }
    std::array<std::uint8_t, kBufferSize> buffer{};
    std::uint32_t length = kBufferSize;
    std::uint32_t type = RegistryType::kNone;
    if (registry.queryValue(key, subKeyRef, type, buffer, length) != RegistryResult::kSuccess) {
        keyVal.clear();
        return false;
    }
    if (length == 0) throw RegistryError("The registry value " + keyName + " holds no data");
    length = std::min(length, kBufferSize);
    // A string normally ends in its zero byte, but may have been stored without one.
    const std::size_t textLength = buffer[length - 1] == 0 ? length - 1 : length;
    switch (type) {
        case RegistryType::kString:
            keyVal.assign(reinterpret_cast<const char*>(buffer.data()), textLength);
            break;
        case RegistryType::kDword:
            keyVal = dwordText(buffer, length);
            break;
        default:
            break;
    }
    return true;
}

void StartSysInfo(const SystemInfoServices& services) {
    try {
        std::string path;
        if (GetKeyValue(services.registry, RegistryRoot::LocalMachine, kToolKey, "PATH", path)) {
            services.programStarter.startCommandLine(path);
            return;
        }
        if (GetKeyValue(services.registry, RegistryRoot::LocalMachine, kToolFolderKey, "MSINFO",
                        path)) {
            // The separator is added whatever the folder value ends with.
            const std::string tool = path +
                                     static_cast<char>(std::filesystem::path::preferred_separator) +
                                     kToolFileName;
            if (services.fileExistence.ordinaryFileExists(tool)) {
                services.programStarter.startCommandLine(tool);
                return;
            }
        }
    } catch (const std::exception&) {
        // Reported below, like every other way of not finding the tool.
    }
    services.messageBox.show(kSystemInfoUnavailableMessage);
}

RegisteredSystemInfoTool::RegisteredSystemInfoTool(ProgramStarter& starter,
                                                   PlainMessageBox& messageBox)
    : m_registry(createRegistry()),
      m_fileExistence(createFileExistence()),
      m_services{*m_registry, *m_fileExistence, starter, messageBox} {}

void RegisteredSystemInfoTool::start() { StartSysInfo(m_services); }

std::unique_ptr<SystemInfoTool> createSystemInfoTool(ProgramStarter& starter,
                                                     PlainMessageBox& messageBox) {
    return std::make_unique<RegisteredSystemInfoTool>(starter, messageBox);
}
