// Reading the registry: open a key, query one value into a caller's buffer, close the key. Windows
// alone has one: the browser launcher and the System Info lookup read it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

/** The predefined roots the program reads under. */
enum class RegistryRoot { ClassesRoot, LocalMachine };

/** An open key; 0 is no key. */
using RegistryKey = std::uintptr_t;

namespace RegistryResult {
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kMoreData = 234;  // the value does not fit the buffer
}  // namespace RegistryResult

namespace RegistryAccess {
// KEY_READ: query values, list sub-keys, be notified of changes, read the key's security. The
// program only ever reads, and a user without administrator rights is refused anything more on
// the machine's keys (HKEY_LOCAL_MACHINE, and the machine's part of HKEY_CLASSES_ROOT).
inline constexpr std::uint32_t kRead = 0x20019;
}  // namespace RegistryAccess

namespace RegistryType {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kString = 1;        // REG_SZ
inline constexpr std::uint32_t kExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kDword = 4;         // REG_DWORD, little-endian
}  // namespace RegistryType

class Registry {
public:
    virtual ~Registry() = default;

    /** Opens subKey under root; returns a result code and, on success, the key in key. */
    virtual long openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t accessMask, RegistryKey& key) = 0;

    /**
     * Queries valueName (empty: the key's default value) into buffer. length comes in as the
     * buffer's size and goes out as the data's byte count, a string's terminating zero included.
     * Data longer than the buffer gives kMoreData.
     */
    virtual long queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                            std::span<std::uint8_t> buffer, std::uint32_t& length) = 0;

    virtual long closeKey(RegistryKey key) = 0;
};

/** Windows' registry. */
std::unique_ptr<Registry> createRegistry();
