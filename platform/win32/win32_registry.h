// The Windows registry through advapi32, read with exactly the masks and buffers callers pass.
#pragma once

#include "platform/registry.h"

class Win32Registry : public Registry {
public:
    long openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                 std::uint32_t accessMask, RegistryKey& key) override;
    long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    std::span<std::uint8_t> buffer, std::uint32_t& length) override;
    long closeKey(RegistryKey key) override;
};
