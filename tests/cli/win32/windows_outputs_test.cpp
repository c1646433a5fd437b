// What only Windows outputs have: names kept for devices (CON as an output is refused as the
// device it is, a kit called aux.fsh among others fails alone), drive-relative names, and the
// hidden and system attributes of a file that is replaced.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/common/path_text.h"
#include "platform/device_name.h"
#include "tests/cli/cli_fixture.h"

TEST(DeviceName, TheNamesWindowsKeepsWhateverTheirCaseAndExtension) {
    const struct {
        const char* name;
        bool device;
    } cases[] = {
        {"CON", true},        {"con", true},          {"aux.fsh", true},
        {"Aux .fsh", true},   {"nul.tar.gz", true},   {"COM1.fsh", true},
        {"lpt9", true},       {"COM\xC2\xB9", true},  {"COM0", false},
        {"COM10.fsh", false}, {"console.fsh", false}, {"auxiliary.fsh", false},
        {".aux.fsh", false},  {"kit aux.fsh", false}, {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isDeviceName(c.name), c.device) << c.name;
}

class WindowsOutputs : public CliFixture {};

TEST_F(WindowsOutputs, ConAsTheOutputIsRefusedAndAKitCalledAuxFailsAlone) {
    const ProgramRun console = convert({"--resources", "@res", "-o", "CON", "@kit.fsh"});
    EXPECT_EQ(console.exitCode, 2);
    EXPECT_NE(console.errors.find("Cannot write CON: it is a device, not a file"),
              std::string::npos)
        << console.errors;

    write("kits/home.fsh", kit());
    // Only the long form of a path reaches a file of that name.
    const std::wstring aux = L"\\\\?\\" + (m_folder / "kits" / "aux.fsh").wstring();
    const HANDLE file = CreateFileW(aux.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const Bytes bytes = kit();
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);

    const ProgramRun run = convert({"--resources", "@res", "-d", "@out", "@kits"});
    EXPECT_EQ(run.exitCode, 1) << run.errors;
    EXPECT_FALSE(read("out/home.fsh").empty());
    EXPECT_NE(run.errors.find("aux.fsh: Cannot read"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("1 of 2 jerseys converted"), std::string::npos) << run.errors;
    DeleteFileW(aux.c_str());
}

TEST_F(WindowsOutputs, ADriveRelativeNameAndAHiddenSystemFileAreWrittenAsNamed) {
    ASSERT_EQ(convert({"--resources", "@res", "-o", "@expected.fsh", "@kit.fsh"}).exitCode, 0);
    const Bytes expected = read("expected.fsh");

    // "C:name" is the name in drive C's current folder, a folder that is there.
    wchar_t current[MAX_PATH] = {};
    ASSERT_GT(GetFullPathNameW(L"C:", MAX_PATH, current, nullptr), 0u);
    const std::string name = "vestrix-drive-relative-" + std::to_string(GetCurrentProcessId());
    const ProgramRun relative =
        convert({"--resources", "@res", "-o", "C:" + name + ".fsh", "@kit.fsh"});
    EXPECT_EQ(relative.exitCode, 0) << relative.errors;
    const std::filesystem::path written = std::filesystem::path(current) / toPath(name + ".fsh");
    EXPECT_TRUE(std::filesystem::exists(written)) << pathText(written);
    std::filesystem::remove(written);

    // A replaced file keeps being hidden and a system file, as it keeps its permissions elsewhere.
    write("hidden.fsh", Bytes(100, 'x'));
    const std::wstring hidden = (m_folder / "hidden.fsh").wstring();
    ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    const ProgramRun replaced = convert({"--resources", "@res", "-o", "@hidden.fsh", "@kit.fsh"});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.errors;
    EXPECT_EQ(read("hidden.fsh"), expected);
    const DWORD attributes = GetFileAttributesW(hidden.c_str());
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
}
