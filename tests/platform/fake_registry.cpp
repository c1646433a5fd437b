// The scripted registry.
#include "fake_registry.h"

#include <algorithm>

void FakeRegistry::setValue(RegistryRoot root, const std::string& subKey,
                            const std::string& valueName, std::uint32_t type,
                            std::vector<std::uint8_t> data) {
    m_keys[{root, subKey}][valueName] = {type, std::move(data)};
}

void FakeRegistry::setString(RegistryRoot root, const std::string& subKey,
                             const std::string& valueName, const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    setValue(root, subKey, valueName, RegistryType::kString, std::move(data));
}

long FakeRegistry::openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t accessMask, RegistryKey& key) {
    opens.push_back({root, subKey, options, accessMask});
    if (!m_keys.contains({root, subKey})) return RegistryResult::kFileNotFound;
    key = m_nextKey++;
    openKeys[key] = {root, subKey};
    return RegistryResult::kSuccess;
}

long FakeRegistry::queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::span<std::uint8_t> buffer, std::uint32_t& length) {
    queries.push_back({valueName, buffer.size(), length});
    const auto open = openKeys.find(key);
    if (open == openKeys.end()) return RegistryResult::kInvalidHandle;
    const auto& values = m_keys.at(open->second);
    const auto value = values.find(valueName);
    if (value == values.end()) return RegistryResult::kFileNotFound;
    const auto size = static_cast<std::uint32_t>(value->second.data.size());
    type = value->second.type;
    if (size > length || size > buffer.size()) {
        length = size;
        return RegistryResult::kMoreData;
    }
    std::copy(value->second.data.begin(), value->second.data.end(), buffer.begin());
    length = size;
    return RegistryResult::kSuccess;
}

long FakeRegistry::closeKey(RegistryKey key) {
    closes.push_back(key);
    return openKeys.erase(key) == 1 ? RegistryResult::kSuccess : RegistryResult::kInvalidHandle;
}
