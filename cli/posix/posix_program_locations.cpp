// The program's locations on Linux: /proc/self/exe and the XDG data folder.
#include <cstdlib>
#include <filesystem>

#include "program_locations.h"

namespace fs = std::filesystem;

ProgramLocations ProgramLocations::ofThisProgram() {
    ProgramLocations locations;
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        locations.executable = executable.string();
        const fs::path folder = executable.parent_path();
        locations.folders.push_back(folder.string());
        locations.folders.push_back((folder.parent_path() / "share/vestrix").string());
    }
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        locations.folders.push_back((fs::path(data) / "vestrix").string());
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        locations.folders.push_back((fs::path(home) / ".local/share/vestrix").string());
    }
    return locations;
}
