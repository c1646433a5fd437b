// Names Windows keeps for its devices: CON as an output is refused as the device it is, and a kit
// called aux.fsh among others fails alone while the rest are converted.
#include <gtest/gtest.h>
#include <windows.h>

#include "cli_fixture.h"
#include "device_name.h"
#include "path_text.h"

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

class DeviceNames : public CliFixture {};

TEST_F(DeviceNames, ConAsTheOutputIsRefusedAndAKitCalledAuxFailsAlone) {
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
