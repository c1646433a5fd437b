// A registry key that a test fills and that is as it was again afterwards: a key that was there
// before is copied aside, removed for the test, and put back with everything under it.
#pragma once

#include <windows.h>

#include <string>

class ScratchKey {
public:
    ScratchKey(HKEY root, const std::string& path);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    /** Stores data as it stands (no zero added) under subKey (empty: this key) as value name. */
    bool set(const std::string& subKey, const std::string& name, DWORD type,
             const std::string& data) const;
    /** A REG_SZ with its terminating zero. */
    bool setString(const std::string& subKey, const std::string& name,
                   const std::string& text) const {
        return set(subKey, name, REG_SZ, text + '\0');
    }

    /**
     * Where HKEY_CLASSES_ROOT takes its keys from for this user: HKEY_CURRENT_USER's
     * Software\Classes on Windows; Wine 8 shows only HKEY_LOCAL_MACHINE's there.
     */
    static HKEY classesRootSource();

private:
    bool copyTree(const std::string& from, const std::string& to) const;

    HKEY m_root;
    std::string m_path;
    std::string m_saved;  // where the key that was there before waits; empty when there was none
};
