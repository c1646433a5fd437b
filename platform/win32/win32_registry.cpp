// RegOpenKeyExA, RegQueryValueExA and RegCloseKey, with their result codes passed on unchanged.
#include "win32_registry.h"

#include <windows.h>

namespace {
HKEY rootKey(RegistryRoot root) {
    return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}
HKEY toHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }
}  // namespace

long Win32Registry::openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                            std::uint32_t accessMask, RegistryKey& key) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(rootKey(root), subKey.c_str(), options, accessMask, &opened);
    key = result == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
    return result;
}

long Win32Registry::queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                               std::span<std::uint8_t> buffer, std::uint32_t& length) {
    DWORD valueType = REG_NONE;
    DWORD size = length <= buffer.size() ? length : static_cast<DWORD>(buffer.size());
    const LONG result =
        RegQueryValueExA(toHkey(key), valueName.c_str(), nullptr, &valueType, buffer.data(), &size);
    type = valueType;
    length = size;
    return result;
}

long Win32Registry::closeKey(RegistryKey key) { return RegCloseKey(toHkey(key)); }

std::unique_ptr<Registry> createRegistry() { return std::make_unique<Win32Registry>(); }
