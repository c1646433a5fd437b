// A scripted registry that answers like the Windows one: missing keys and values give error 2,
// data longer than the caller's buffer gives 234 with the needed length.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "registry.h"

struct RegistryOpen {
    RegistryRoot root;
    std::string subKey;
    std::uint32_t options;
    std::uint32_t accessMask;
};

struct RegistryQuery {
    std::string valueName;
    std::size_t bufferSize;
    std::uint32_t lengthIn;
};

class FakeRegistry : public Registry {
public:
    /** A value of any type with these bytes (its key is created too). */
    void setValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                  std::uint32_t type, std::vector<std::uint8_t> data);
    /** A REG_SZ stored the usual way: the text and its terminating zero byte. */
    void setString(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                   const std::string& text);

    long openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                 std::uint32_t accessMask, RegistryKey& key) override;
    long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    std::span<std::uint8_t> buffer, std::uint32_t& length) override;
    long closeKey(RegistryKey key) override;

    std::vector<RegistryOpen> opens;
    std::vector<RegistryQuery> queries;
    std::vector<RegistryKey> closes;
    /** Keys opened and not yet closed. */
    std::map<RegistryKey, std::pair<RegistryRoot, std::string>> openKeys;

private:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    using KeyName = std::pair<RegistryRoot, std::string>;
    std::map<KeyName, std::map<std::string, Value>> m_keys;
    RegistryKey m_nextKey = 0x100;
};
