// A read-only registry for the Linux desktop. Its one key is the system information tool's,
// filled from the tools the desktop has installed; every other key is absent, as on a Windows
// where no browser registered itself.
#pragma once

#include <map>

#include "registry.h"

class DesktopRegistry : public Registry {
public:
    long openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                 std::uint32_t accessMask, RegistryKey& key) override;
    long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    std::span<std::uint8_t> buffer, std::uint32_t& length) override;
    long closeKey(RegistryKey key) override;

private:
    /** The tool's path for each open key. */
    std::map<RegistryKey, std::string> m_openKeys;
    RegistryKey m_nextKey = 1;
};
