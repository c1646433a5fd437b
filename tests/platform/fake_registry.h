// A scripted registry that answers like the Windows one to a user without administrator rights:
// missing keys and values give error 2, data longer than the caller's buffer gives 234 with the
// needed length, and an open that asks for any right beyond reading is refused with error 5, as
// Windows refuses it on the machine's keys (Wine, whose user is an administrator, never does).
#pragma once

#include <map>

#include "platform/registry.h"
#include "tests/platform/call_log.h"

class FakeRegistry : public Registry {
public:
    /** A value with these bytes; a REG_SZ stored the usual way ends in a zero byte. */
    void set(RegistryRoot root, const std::string& subKey, const std::string& valueName,
             std::uint32_t type, const std::string& data) {
        m_values[name(root, subKey)][valueName] = {type, data};
    }

    long openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                 std::uint32_t accessMask, RegistryKey& key) override;
    long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    std::span<std::uint8_t> buffer, std::uint32_t& length) override;
    long closeKey(RegistryKey key) override;

    /** Rights beyond reading: KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_CREATE_LINK, DELETE,
        WRITE_DAC, WRITE_OWNER, and the generic write and all rights. */
    static constexpr std::uint32_t kWriteRights =
        0x2 | 0x4 | 0x20 | 0x10000 | 0x40000 | 0x80000 | 0x40000000 | 0x10000000;

    /** "open HKLM\KEY options mask", "query NAME buffer-size length-in", "close" or "close 0". */
    CallLog calls;
    /** Keys open now. */
    int openKeys = 0;

private:
    static std::string name(RegistryRoot root, const std::string& subKey) {
        return (root == RegistryRoot::ClassesRoot ? "HKCR\\" : "HKLM\\") + subKey;
    }
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> m_values;
    std::map<RegistryKey, std::string> m_open;
};
