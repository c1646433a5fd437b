// Collecting the program's own files by identity, so that a link or a second name for one of
// them is recognised too.
#include "platform/program_own_files.h"

#include <algorithm>
#include <filesystem>

#include "platform/common/lower_case.h"
#include "platform/common/path_text.h"

// Users may keep their jerseys beside the program; the work file is not one of them.
bool ProgramOwnFiles::isOwnName(const std::string& fileName) {
    const std::string name = lowerCase(fileName);
    return !name.ends_with(".fsh") || name == "pk001.fsh";
}

ProgramOwnFiles ProgramOwnFiles::of(const ProgramLocations& locations) {
    ProgramOwnFiles own;
    for (const std::string& folder : locations.folders) own.addFolder(folder);
    if (!locations.executable.empty()) own.addFile(locations.executable);
    return own;
}

void ProgramOwnFiles::addFolder(const std::string& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(toPath(folder), error), end; !error && it != end;
         it.increment(error)) {
        if (isOwnName(pathText(it->path().filename()))) addFile(pathText(it->path()));
    }
}

void ProgramOwnFiles::addFile(const std::string& path) {
    if (const auto key = fileKey(path)) m_files.emplace(*key, path);
}

std::optional<std::string> ProgramOwnFiles::find(const FileKey& key) const {
    const auto found = m_files.find(key);
    if (found == m_files.end()) return std::nullopt;
    return found->second;
}
