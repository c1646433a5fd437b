// PATH lookup for the desktop helpers, read afresh at every call so users and tests can put
// their own programs first.
#include "platform/desktop/path_lookup.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

std::string findProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr || name.empty()) return {};
    std::string_view rest(path);
    for (;;) {
        const std::size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        // An empty entry would mean the current folder: never look for helpers there.
        if (!folder.empty()) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / name;
            std::error_code error;
            if (std::filesystem::is_regular_file(candidate, error) &&
                ::access(candidate.c_str(), X_OK) == 0) {
                return candidate.string();
            }
        }
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return {};
}
