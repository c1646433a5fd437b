// Walking input folders one level at a time, so that an unreadable sub-folder is named and the
// rest of the collection is still found.
#include "batch/kit_search.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/common/path_text.h"
#include "platform/file_key.h"

namespace fs = std::filesystem;

namespace {

bool isJerseyFileName(const std::string& name) {
    if (name.size() < 4) return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".fsh";
}

class Walk {
public:
    explicit Walk(KitSearch& result) : m_result(result) {}

    void folder(const fs::path& path, const std::string& relative) {
        const std::string shown = pathText(path);
        if (const auto key = fileKey(shown)) {
            const auto [seen, isNew] = m_searched.emplace(*key, shown);
            if (!isNew) {
                m_result.notes.push_back(shown + ": skipped: the same folder as " + seen->second +
                                         ", which is searched already");
                return;
            }
        }
        std::error_code error;
        // Each entry's name and whether it leads to a folder, sorted by name.
        std::vector<std::pair<std::string, bool>> entries;
        for (fs::directory_iterator it(path, error), end; !error && it != end;
             it.increment(error)) {
            std::error_code notFollowed;
            entries.emplace_back(pathText(it->path().filename()), it->is_directory(notFollowed));
        }
        if (error) {
            m_result.failures.push_back(shown + ": Cannot read folder: " + error.message());
            return;
        }
        std::sort(entries.begin(), entries.end());
        const std::string inside = pathText(path / "");
        for (const auto& [name, isFolder] : entries) {
            const std::string below = relative.empty() ? name : relative + "/" + name;
            if (isFolder) {
                folder(path / toPath(name), below);
            } else if (isJerseyFileName(name)) {  // never a temporary: ".NAME.vestrix-PID-N"
                m_result.kits.push_back({inside + name, below});
            }
        }
    }

private:
    KitSearch& m_result;
    std::map<FileKey, std::string> m_searched;
};

}  // namespace

KitSearch KitSearch::below(const std::string& folder) {
    KitSearch result;
    Walk(result).folder(toPath(folder), {});
    return result;
}
