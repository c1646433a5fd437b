// The program's locations on Linux: /proc/self/exe and the XDG data folders.
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/program_locations.h"

namespace fs = std::filesystem;

namespace {
std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The XDG base-directory rules: a relative path in these variables is invalid and is ignored,
// or the program would make its folder wherever it happens to be started.
bool absolute(const std::string& folder) { return !folder.empty() && folder.front() == '/'; }
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
        if (absolute(folder))
            locations.sharedFolders.push_back((fs::path(folder) / "vestrix").string());
    }
    if (const std::string data = environment("XDG_DATA_HOME"); absolute(data)) {
        locations.userFolder = (fs::path(data) / "vestrix").string();
    } else if (const std::string home = environment("HOME"); !home.empty()) {
        locations.userFolder = (fs::path(home) / ".local/share/vestrix").string();
    }
    locations.gatherFolders();
    return locations;
}
