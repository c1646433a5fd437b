// The registry layer against the system's registry: the browser launcher's and the System Info
// lookup's reads, with their own access masks and buffer sizes, of values this test stores.
#include "platform/win32/win32_registry.h"

#include <gtest/gtest.h>

#include "info/browser_launcher.h"
#include "info/system_info.h"
#include "platform/registry_error.h"
#include "tests/win32/scratch_key.h"

namespace {
const std::string kKey = "VestrixRegistryTest";

std::string dword(DWORD value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}
}  // namespace

// Stored under Software\Classes, read through HKEY_CLASSES_ROOT.
TEST(Win32Registry, BrowserReadsGiveStringsOfUpTo255Bytes) {
    const ScratchKey classes(ScratchKey::classesRootSource(), "Software\\Classes\\" + kKey);
    ASSERT_TRUE(classes.setString("", "", "default text"));
    ASSERT_TRUE(classes.setString("", "sz", "OpenPage"));
    ASSERT_TRUE(classes.setString("", "sz255", std::string(255, 'a')));
    ASSERT_TRUE(classes.setString("", "sz256", std::string(256, 'b')));
    ASSERT_TRUE(classes.setString("", "empty", ""));
    ASSERT_TRUE(classes.set("", "expand", REG_EXPAND_SZ, std::string("%TEMP%\0", 7)));
    ASSERT_TRUE(classes.set("", "dword", REG_DWORD, dword(7)));
    ASSERT_TRUE(classes.set("", "nodata", REG_SZ, ""));
    ASSERT_TRUE(classes.setString("sub\\deeper", "", "nested"));

    Win32Registry registry;
    const struct {
        const char* subKey;
        const char* value;
        std::string expected;
    } cases[] = {
        {"", "", "default text"},    {"", "sz", "OpenPage"}, {"", "sz255", std::string(255, 'a')},
        {"", "sz256", ""},           {"", "empty", ""},      {"", "expand", ""},
        {"", "dword", ""},           {"", "missing", ""},    {"\\sub\\deeper", "", "nested"},
        {"\\no\\such\\key", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadRegistryString(registry, RegistryRoot::ClassesRoot, kKey + c.subKey, c.value),
                  c.expected)
            << c.subKey << " " << c.value;
    }
    EXPECT_THROW(ReadRegistryString(registry, RegistryRoot::ClassesRoot, kKey, "nodata"),
                 RegistryError);

    // The layer passes the system's own code for a value that does not fit.
    RegistryKey key = 0;
    ASSERT_EQ(registry.openKey(RegistryRoot::ClassesRoot, kKey, 0, 0x20019, key),
              RegistryResult::kSuccess);
    std::uint8_t buffer[256];
    std::uint32_t type = 0, length = sizeof buffer;
    EXPECT_EQ(registry.queryValue(key, "sz256", type, buffer, length), RegistryResult::kMoreData);
    EXPECT_EQ(registry.closeKey(key), RegistryResult::kSuccess);
}

TEST(Win32Registry, SystemInfoReadsGiveStringsOfUpTo1023BytesAndNumbers) {
    const ScratchKey machine(HKEY_LOCAL_MACHINE, "SOFTWARE\\" + kKey);
    ASSERT_TRUE(machine.setString("", "PATH", "C:\\Tools\\msinfo32.exe"));
    ASSERT_TRUE(machine.setString("", "sz1023", std::string(1023, 'c')));
    ASSERT_TRUE(machine.setString("", "sz1024", std::string(1024, 'd')));
    ASSERT_TRUE(machine.set("", "unended", REG_SZ, "no zero"));
    ASSERT_TRUE(machine.set("", "dword", REG_DWORD, dword(0x12345)));
    ASSERT_TRUE(machine.set("", "expand", REG_EXPAND_SZ, std::string("%TEMP%\0", 7)));
    ASSERT_TRUE(machine.set("", "nodata", REG_SZ, ""));

    Win32Registry registry;
    const struct {
        const char* subKey;
        const char* value;
        bool read;
        std::string expected;
    } cases[] = {
        {"", "PATH", true, "C:\\Tools\\msinfo32.exe"},
        {"", "sz1023", true, std::string(1023, 'c')},
        {"", "sz1024", false, ""},
        {"", "unended", true, "no zero"},
        {"", "dword", true, "74565"},
        {"", "expand", true, "left as it was"},
        {"", "missing", false, ""},
        {"\\missing", "PATH", false, ""},
    };
    for (const auto& c : cases) {
        std::string value = "left as it was";
        EXPECT_EQ(GetKeyValue(registry, RegistryRoot::LocalMachine, "SOFTWARE\\" + kKey + c.subKey,
                              c.value, value),
                  c.read)
            << c.value;
        EXPECT_EQ(value, c.expected) << c.value;
    }
    std::string value;
    EXPECT_THROW(
        GetKeyValue(registry, RegistryRoot::LocalMachine, "SOFTWARE\\" + kKey, "nodata", value),
        RegistryError);
}
