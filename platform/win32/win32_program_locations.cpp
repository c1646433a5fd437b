// The program's locations on Windows: the module's path and the user's local application data
// (which never roams to other machines).
#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include <filesystem>
#include <string>

#include "platform/common/path_text.h"
#include "platform/program_locations.h"
#include "platform/win32/win32_text.h"

namespace fs = std::filesystem;

ProgramLocations ProgramLocations::ofThisProgram() {
    ProgramLocations locations;
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    if (length > 0) {
        path.resize(length);
        locations.executable = utf8Text(path);
        const fs::path folder = toPath(locations.executable).parent_path();
        locations.executableFolder = pathText(folder);
        // Installed under Program Files, the shipped files lie beside the executable.
        locations.sharedFolders.push_back(locations.executableFolder);
        locations.sharedFolders.push_back(pathText(folder.parent_path() / "share" / "vestrix"));
    }
    // The user's profile folder carries the user's name, in whatever letters it is written.
    wchar_t* data = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &data)))
        locations.userFolder = pathText(toPath(utf8Text(data)) / "Vestrix");
    CoTaskMemFree(data);
    locations.gatherFolders();
    return locations;
}
