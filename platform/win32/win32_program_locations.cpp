// The program's locations on Windows: the module's path and the user's local application data
// (which never roams to other machines).
#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include <filesystem>
#include <vector>

#include "program_locations.h"

namespace fs = std::filesystem;

ProgramLocations ProgramLocations::ofThisProgram() {
    ProgramLocations locations;
    std::vector<char> path(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    if (length > 0) {
        locations.executable.assign(path.data(), length);
        const fs::path folder = fs::path(locations.executable).parent_path();
        locations.executableFolder = folder.string();
        // Installed under Program Files, the shipped files lie beside the executable.
        locations.sharedFolders.push_back(locations.executableFolder);
        locations.sharedFolders.push_back((folder.parent_path() / "share" / "vestrix").string());
    }
    char data[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                   SHGFP_TYPE_CURRENT, data)))
        locations.userFolder = (fs::path(data) / "Vestrix").string();
    locations.gatherFolders();
    return locations;
}
