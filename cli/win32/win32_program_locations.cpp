// The program's locations on Windows: the module's path and the local application-data folder.
#include <windows.h>

#include <cstdlib>
#include <filesystem>

#include "program_locations.h"

namespace fs = std::filesystem;

ProgramLocations ProgramLocations::ofThisProgram() {
    ProgramLocations locations;
    char buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer) {
        locations.executable.assign(buffer, length);
        const fs::path folder = fs::path(locations.executable).parent_path();
        locations.folders.push_back(folder.string());
        locations.folders.push_back((folder.parent_path() / "share" / "vestrix").string());
    }
    if (const char* data = std::getenv("LOCALAPPDATA"); data && *data)
        locations.folders.push_back((fs::path(data) / "vestrix").string());
    return locations;
}
