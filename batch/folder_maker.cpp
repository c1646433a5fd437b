// Output folders made one level at a time, each remembered, so that they can be taken back.
#include "batch/folder_maker.h"

#include <system_error>

#include "platform/common/path_text.h"

namespace fs = std::filesystem;

std::string FolderMaker::make(const std::string& folder) {
    std::vector<fs::path> missing;
    std::error_code error;
    // A root is never made: "/" and "C:\\" are there, and a bare drive ("C:" of "-o C:out.fsh")
    // is that drive's current folder, which exists even where asking for it says it does not.
    for (fs::path at = toPath(folder); at.has_relative_path() && !fs::exists(at, error);
         at = at.parent_path()) {
        missing.push_back(at);
        if (at == at.parent_path()) break;
    }
    for (auto at = missing.rbegin(); at != missing.rend(); ++at) {
        if (fs::create_directory(*at, error)) m_made.push_back(*at);
        if (error) return "Cannot create folder " + folder + ": " + error.message();
    }
    return {};
}

void FolderMaker::undo() {
    std::error_code ignored;
    for (auto at = m_made.rbegin(); at != m_made.rend(); ++at) fs::remove(*at, ignored);
    m_made.clear();
}
