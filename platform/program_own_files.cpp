// Collecting the program's own files by identity, so that a link or a second name for one of
// them is recognised too.
#include "program_own_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Users may keep their jerseys beside the program; the work file is not one of them.
bool isUsersJersey(const std::filesystem::path& file) {
    const std::string name = lowerCase(file.filename().string());
    return lowerCase(file.extension().string()) == ".fsh" && name != "pk001.fsh";
}
}  // namespace

void ProgramOwnFiles::addFolder(const std::string& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (!isUsersJersey(it->path())) addFile(it->path().string());
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
