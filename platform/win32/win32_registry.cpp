// RegOpenKeyExW, RegQueryValueExW and RegCloseKey, with their result codes passed on unchanged.
// Names and text values cross as UTF-8: a browser installed under a folder with accented letters
// keeps its path.
#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/win32_text.h"

namespace {
HKEY rootKey(RegistryRoot root) {
    return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}
HKEY toHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }
}  // namespace

long Win32Registry::openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                            std::uint32_t accessMask, RegistryKey& key) {
    HKEY opened = nullptr;
    const LONG result =
        RegOpenKeyExW(rootKey(root), wideText(subKey).c_str(), options, accessMask, &opened);
    key = result == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
    return result;
}

long Win32Registry::queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                               std::span<std::uint8_t> buffer, std::uint32_t& length) {
    const std::wstring name = wideText(valueName);
    DWORD valueType = REG_NONE;
    DWORD size = 0;
    LONG result = RegQueryValueExW(toHkey(key), name.c_str(), nullptr, &valueType, nullptr, &size);
    std::vector<std::uint8_t> data;
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        data.resize(size);  // the value may grow between two questions
        result =
            RegQueryValueExW(toHkey(key), name.c_str(), nullptr, &valueType, data.data(), &size);
        if (result == ERROR_SUCCESS) data.resize(size);
        if (result != ERROR_MORE_DATA) break;
    }
    if (result != ERROR_SUCCESS) {
        type = valueType;
        length = 0;
        return result;
    }
    if (valueType == REG_SZ || valueType == REG_EXPAND_SZ || valueType == REG_MULTI_SZ) {
        // The caller reads 8-bit text: UTF-8, with the terminating zero(s) it had.
        std::wstring wide(data.size() / sizeof(wchar_t), L'\0');
        std::memcpy(wide.data(), data.data(), wide.size() * sizeof(wchar_t));
        const std::string text = utf8Text(wide);
        data.assign(text.begin(), text.end());
    }
    const std::size_t room = std::min<std::size_t>(length, buffer.size());
    type = valueType;
    length = static_cast<std::uint32_t>(data.size());
    if (data.size() > room) return buffer.data() ? ERROR_MORE_DATA : ERROR_SUCCESS;
    std::copy(data.begin(), data.end(), buffer.begin());
    return ERROR_SUCCESS;
}

long Win32Registry::closeKey(RegistryKey key) { return RegCloseKey(toHkey(key)); }

std::unique_ptr<Registry> createRegistry() { return std::make_unique<Win32Registry>(); }
