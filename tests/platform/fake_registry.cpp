// The scripted registry.
#include "tests/platform/fake_registry.h"

#include <algorithm>
#include <cstdio>

namespace {
std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}
}  // namespace

long FakeRegistry::openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t accessMask, RegistryKey& key) {
    calls.push_back("open " + name(root, subKey) + " " + std::to_string(options) + " " +
                    hex(accessMask));
    if ((accessMask & kWriteRights) != 0) return RegistryResult::kAccessDenied;
    if (!m_values.contains(name(root, subKey))) return RegistryResult::kFileNotFound;
    key = m_open.empty() ? 0x100 : m_open.rbegin()->first + 1;
    m_open[key] = name(root, subKey);
    ++openKeys;
    return RegistryResult::kSuccess;
}

long FakeRegistry::queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::span<std::uint8_t> buffer, std::uint32_t& length) {
    calls.push_back("query " + valueName + " " + std::to_string(buffer.size()) + " " +
                    std::to_string(length));
    const auto& values = m_values.at(m_open.at(key));
    const auto value = values.find(valueName);
    if (value == values.end()) return RegistryResult::kFileNotFound;
    const auto& [valueType, data] = value->second;
    type = valueType;
    const auto size = static_cast<std::uint32_t>(data.size());
    const bool fits = size <= length && size <= buffer.size();
    if (fits) std::copy(data.begin(), data.end(), buffer.begin());
    length = size;
    return fits ? RegistryResult::kSuccess : RegistryResult::kMoreData;
}

long FakeRegistry::closeKey(RegistryKey key) {
    calls.push_back(key == 0 ? "close 0" : "close");
    if (m_open.erase(key) == 0) return RegistryResult::kInvalidHandle;
    --openKeys;
    return RegistryResult::kSuccess;
}
