// The per-user program folder under a profile named in any letters (José, Łukasz, 日本). Wine
// names its user in ASCII: the test points the user's local application data elsewhere for a
// while, as a profile with such a name has it.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "platform/common/path_text.h"
#include "platform/common/program_folder_choice.h"
#include "platform/program_locations.h"

namespace fs = std::filesystem;

namespace {
/** The user's "Local AppData" pointing at folder while it lives, as it was afterwards. */
class LocalAppDataRedirect {
public:
    explicit LocalAppDataRedirect(const fs::path& folder) {
        RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &m_key);
        DWORD size = sizeof m_saved;
        m_had = RegQueryValueExW(m_key, kValue, nullptr, &m_type, reinterpret_cast<BYTE*>(m_saved),
                                 &size) == ERROR_SUCCESS;
        m_savedSize = size;
        const std::wstring path = folder.wstring();
        RegSetValueExW(m_key, kValue, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    }
    ~LocalAppDataRedirect() {
        if (m_had)
            RegSetValueExW(m_key, kValue, 0, m_type, reinterpret_cast<const BYTE*>(m_saved),
                           m_savedSize);
        else
            RegDeleteValueW(m_key, kValue);
        RegCloseKey(m_key);
    }

private:
    static constexpr const wchar_t* kKey =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static constexpr const wchar_t* kValue = L"Local AppData";
    HKEY m_key = nullptr;
    bool m_had = false;
    DWORD m_type = REG_EXPAND_SZ, m_savedSize = 0;
    wchar_t m_saved[MAX_PATH * 4] = {};
};
}  // namespace

TEST(Win32ProgramLocations, TheUsersOwnFolderKeepsTheLettersOfTheProfile) {
    const fs::path base =
        fs::temp_directory_path() / ("vestrix-profiles-" + std::to_string(GetCurrentProcessId()));
    const fs::path shared = base / "share";
    fs::create_directories(shared);
    for (const char* name : {"pk001.fsh", "fifa2k.pal", "subzero.jpg"})
        std::ofstream(shared / name, std::ios::binary) << "shipped";

    for (const std::string user : {"José", "Łukasz", "日本"}) {
        SCOPED_TRACE(user);
        const fs::path profile = base / toPath(user);
        std::string userFolder;
        {
            const LocalAppDataRedirect redirect(profile / "AppData" / "Local");
            userFolder = ProgramLocations::ofThisProgram().userFolder;
        }
        EXPECT_EQ(userFolder, pathText(profile / "AppData" / "Local" / "Vestrix"));
        // The start-up makes that folder, fills it and can work there.
        const ProgramFolderChoice::Choice choice = ProgramFolderChoice::choose(
            base / "not-a-program-folder", {shared}, toPath(userFolder));
        EXPECT_EQ(choice.problem, "");
        EXPECT_EQ(pathText(choice.folder), userFolder);
        EXPECT_TRUE(fs::exists(toPath(userFolder) / "pk001.fsh"));
    }
    // Nothing was made under a misspelt name.
    std::size_t folders = 0;
    for (const auto& entry : fs::directory_iterator(base)) folders += entry.is_directory();
    EXPECT_EQ(folders, 4u);  // share and the three profiles
    std::error_code ignored;
    fs::remove_all(base, ignored);
}
