// Skin Select's listing of the pictures, its clicks and its link.
#include "skins/form2.h"

#include <algorithm>
#include <filesystem>

#include "info/web_addresses.h"
#include "platform/common/file_presence.h"
#include "platform/common/lower_case.h"
#include "platform/common/path_text.h"
#include "skins/skin_painting.h"

namespace fs = std::filesystem;

namespace {
constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

bool isSeparator(char c) { return c == '/' || c == kSeparator; }

/** The folder without a trailing separator, except where that would leave no folder (a root). */
std::string withoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && isSeparator(folder.back()) &&
           toPath(folder) != toPath(folder).root_path()) {
        folder.pop_back();
    }
    return folder;
}

/**
 * The names of the folder's "*.jpg" files, as the system's pattern matches them (the extension in
 * any case), ordered alphabetically with case ignored. Hidden files are left out, as file lists
 * leave them out.
 */
std::vector<std::string> pictureNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(toPath(folder), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = pathText(entry->path().filename());
        std::error_code ignored;
        if (name.size() < 4 || name.front() == '.' ||
            lowerCase(name.substr(name.size() - 4)) != ".jpg" || !entry->is_regular_file(ignored)) {
            continue;
        }
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lowerCase(a), lb = lowerCase(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}
}  // namespace

Form2::Form2(Form2View& view, SkinCanvas& canvas, const Form2Services& services)
    : m_view(view),
      m_canvas(canvas),
      m_services(services),
      m_folder(withoutTrailingSeparator(services.programLocation.programFolder())) {}

void Form2::Form_Load() {
    m_names = pictureNames(m_folder);
    m_view.setListEntries(m_names);
    // Without any picture there is nothing to select and nothing to paint.
    if (m_names.empty()) return;
    m_view.setListIndex(0);
    File1_Click();
}

void Form2::File1_Click() {
    const int index = m_view.listIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_names.size()) return;
    // At a root the folder keeps its separator, and the name gets one more, as the list's own
    // folder and file name meet.
    const std::string fullName = m_folder + kSeparator + m_names[static_cast<std::size_t>(index)];
    if (isPresentCreatingIfAbsent(fullName)) {
        SkinPainting::paintSkinFile(fullName, m_services.skinReader, m_canvas,
                                    m_services.messageBoxes);
    } else {
        m_services.messageBoxes.show("Can't find " + fullName, "Error");
    }
}

void Form2::Label1_Click() { m_services.urlOpener.openUrl(WebAddresses::kConverterPage); }
