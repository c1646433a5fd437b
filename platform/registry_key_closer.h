// Closes a registry key at the end of a read, also when the read ends in an error.
#pragma once

#include "platform/registry.h"

class RegistryKeyCloser {
public:
    /** key is watched, not copied: whatever it holds at the end is closed. */
    RegistryKeyCloser(Registry& registry, const RegistryKey& key)
        : m_registry(registry), m_key(key) {}
    ~RegistryKeyCloser() { m_registry.closeKey(m_key); }
    RegistryKeyCloser(const RegistryKeyCloser&) = delete;
    RegistryKeyCloser& operator=(const RegistryKeyCloser&) = delete;

private:
    Registry& m_registry;
    const RegistryKey& m_key;
};
