// The program's locations on Linux: /proc/self/exe and the XDG data folders.
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "program_locations.h"

namespace fs = std::filesystem;

namespace {
std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
}  // namespace

ProgramLocations ProgramLocations::ofThisProgram() {
    ProgramLocations locations;
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        locations.executable = executable.string();
        locations.executableFolder = executable.parent_path().string();
        locations.sharedFolders.push_back(locations.executableFolder);
        locations.sharedFolders.push_back(
            (executable.parent_path().parent_path() / "share/vestrix").string());
    }
    std::string dataFolders = environment("XDG_DATA_DIRS");
    if (dataFolders.empty()) dataFolders = "/usr/local/share:/usr/share";
    std::istringstream list(dataFolders);
    for (std::string folder; std::getline(list, folder, ':');) {
        if (!folder.empty())
            locations.sharedFolders.push_back((fs::path(folder) / "vestrix").string());
    }
    if (const std::string data = environment("XDG_DATA_HOME"); !data.empty()) {
        locations.userFolder = (fs::path(data) / "vestrix").string();
    } else if (const std::string home = environment("HOME"); !home.empty()) {
        locations.userFolder = (fs::path(home) / ".local/share/vestrix").string();
    }
    locations.gatherFolders();
    return locations;
}
