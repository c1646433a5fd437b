// The program folder of the running Windows program.
#include "win32_program_location.h"

#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include <vector>

#include "program_folder_choice.h"

namespace {
std::filesystem::path runningExecutable() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::filesystem::path(std::string(path.data(), length));
        path.resize(path.size() * 2);
    }
}

/** %LOCALAPPDATA%\Vestrix: the user's own, never roams to other machines. */
std::filesystem::path userFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return std::filesystem::path(folder) / "Vestrix";
}
}  // namespace

Win32ProgramLocation::Win32ProgramLocation() {
    const std::filesystem::path executable = runningExecutable();
    m_executable = executable.string();
    const std::filesystem::path executableFolder = executable.parent_path();
    // Installed under Program Files, the shipped files lie beside the executable, which the user
    // may not write: they seed the user's own folder.
    const ProgramFolderChoice::Choice choice =
        ProgramFolderChoice::choose(executableFolder, {executableFolder}, userFolder());
    m_folder = choice.folder.string();
    m_problem = choice.problem;
}
