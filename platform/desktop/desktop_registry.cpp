// The desktop registry: HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Shared Tools\MSINFO" holds in
// "PATH" the first system information tool found on PATH.
#include "desktop_registry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "path_lookup.h"

namespace {
// Most complete first: a hardware report, then the desktops' own system monitors.
constexpr std::array kSystemInfoTools = {
    "hardinfo",  "gnome-system-monitor", "plasma-systemmonitor",
    "ksysguard", "mate-system-monitor",  "xfce4-taskmanager",
    "lxtask"};
constexpr const char* kSystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kPathValue = "PATH";

// Registry names ignore case.
bool sameName(const std::string& a, const char* b) {
    return a.size() == std::strlen(b) && std::equal(a.begin(), a.end(), b, [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string installedSystemInfoTool() {
    for (const char* tool : kSystemInfoTools) {
        std::string path = findProgramOnPath(tool);
        if (!path.empty()) return path;
    }
    return {};
}
}  // namespace

long DesktopRegistry::openKey(RegistryRoot root, const std::string& subKey, std::uint32_t,
                              std::uint32_t, RegistryKey& key) {
    if (root != RegistryRoot::LocalMachine || !sameName(subKey, kSystemInfoKey)) {
        return RegistryResult::kFileNotFound;
    }
    std::string tool = installedSystemInfoTool();
    if (tool.empty()) return RegistryResult::kFileNotFound;
    key = m_nextKey++;
    m_openKeys[key] = std::move(tool);
    return RegistryResult::kSuccess;
}

long DesktopRegistry::queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                 std::span<std::uint8_t> buffer, std::uint32_t& length) {
    const auto open = m_openKeys.find(key);
    if (open == m_openKeys.end()) return RegistryResult::kInvalidHandle;
    if (!sameName(valueName, kPathValue)) return RegistryResult::kFileNotFound;
    const std::string& tool = open->second;
    const auto needed = static_cast<std::uint32_t>(tool.size() + 1);  // with its zero byte
    type = RegistryType::kString;
    if (needed > length || needed > buffer.size()) {
        length = needed;
        return RegistryResult::kMoreData;
    }
    std::copy(tool.begin(), tool.end(), buffer.begin());
    buffer[tool.size()] = 0;
    length = needed;
    return RegistryResult::kSuccess;
}

long DesktopRegistry::closeKey(RegistryKey key) {
    return m_openKeys.erase(key) == 1 ? RegistryResult::kSuccess : RegistryResult::kInvalidHandle;
}

std::unique_ptr<Registry> createRegistry() { return std::make_unique<DesktopRegistry>(); }
