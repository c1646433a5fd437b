// Test keys in the system's registry.
#include "tests/win32/scratch_key.h"

namespace {
bool keyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}
}  // namespace

ScratchKey::ScratchKey(HKEY root, const std::string& path) : m_root(root), m_path(path) {
    if (!keyExists(m_root, m_path)) return;
    m_saved = m_path + ".vestrix-test-saved";
    // A copy left by a test that did not finish is the original: it is the one to keep.
    if (!keyExists(m_root, m_saved)) copyTree(m_path, m_saved);
    RegDeleteTreeA(m_root, m_path.c_str());
}

ScratchKey::~ScratchKey() {
    RegDeleteTreeA(m_root, m_path.c_str());
    if (!m_saved.empty() && copyTree(m_saved, m_path)) RegDeleteTreeA(m_root, m_saved.c_str());
}

bool ScratchKey::copyTree(const std::string& from, const std::string& to) const {
    HKEY source = nullptr, target = nullptr;
    bool copied = false;
    if (RegOpenKeyExA(m_root, from.c_str(), 0, KEY_READ, &source) == ERROR_SUCCESS) {
        if (RegCreateKeyExA(m_root, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                            nullptr) == ERROR_SUCCESS) {
            copied = RegCopyTreeA(source, nullptr, target) == ERROR_SUCCESS;
            RegCloseKey(target);
        }
        RegCloseKey(source);
    }
    return copied;
}

bool ScratchKey::set(const std::string& subKey, const std::string& name, DWORD type,
                     const std::string& data) const {
    const std::string path = subKey.empty() ? m_path : m_path + "\\" + subKey;
    HKEY key = nullptr;
    if (RegCreateKeyExA(m_root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG result =
        RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, type,
                       reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

HKEY ScratchKey::classesRootSource() {
    const std::string probe = "VestrixClassesProbe";
    const ScratchKey user(HKEY_CURRENT_USER, "Software\\Classes\\" + probe);
    return user.setString("", "", "") && keyExists(HKEY_CLASSES_ROOT, probe) ? HKEY_CURRENT_USER
                                                                             : HKEY_LOCAL_MACHINE;
}
