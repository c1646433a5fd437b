// Choosing the program folder and seeding a per-user one from the installed shared files.
#include "platform/common/program_folder_choice.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "platform/common/path_text.h"
#include "platform/file_open.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kWorkFile = "pk001.fsh";
constexpr const char* kPaletteFile = "fifa2k.pal";

std::uintmax_t sizeOf(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return 0;
    const std::uintmax_t size = fs::file_size(file, error);
    return error ? 0 : size;
}

bool endsWithJpg(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return tail == ".jpg";
}

bool isShipped(const std::string& name) {
    if (name.empty() || name.front() == '.') return false;  // hidden: nobody shipped it
    return name == "pk001.fsh" || name == "fifa2k.pal" || name == "readme.txt" || endsWithJpg(name);
}

/**
 * Why folder takes no new files, or empty when it does. Asks the file system itself: permission
 * bits do not tell about read-only mounts or access lists.
 */
std::string refusesNewFiles(const fs::path& folder) {
    std::random_device random;
    const fs::path probe =
        folder / (".vestrix-write-test-" + std::to_string(random()) + std::to_string(random()));
    std::error_code error;
    if (fs::exists(probe, error)) return {};  // somebody could make it: so can we
    errno = 0;
    std::FILE* file = openFile(pathText(probe), "wb");
    if (!file) return std::strerror(errno != 0 ? errno : EACCES);
    std::fclose(file);
    fs::remove(probe, error);
    return {};
}
}  // namespace

namespace ProgramFolderChoice {

bool isUsable(const fs::path& folder) {
    const fs::path work = folder / kWorkFile;
    if (sizeOf(work) == 0) return false;
    std::FILE* file = openFile(pathText(work), "r+b");
    if (!file) return false;
    std::fclose(file);
    return refusesNewFiles(folder).empty();
}

void seed(const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (fs::directory_iterator entry(from, error), end; !error && entry != end;
         entry.increment(error)) {
        // Only what the tool ships: an installed program's folder also holds the executable and
        // its libraries, and perhaps someone's settings.
        const std::string name = pathText(entry->path().filename());
        if (!isShipped(name) || sizeOf(entry->path()) == 0) continue;
        const fs::path copy = to / entry->path().filename();
        // An empty file is what a failed presence test leaves behind: it holds nothing to keep.
        std::error_code ignored;
        if (fs::exists(copy, ignored) && sizeOf(copy) > 0) continue;
        fs::remove(copy, ignored);
        if (fs::copy_file(entry->path(), copy, ignored)) {
            // Installed files are read-only; the user's copies must not be, the work file least.
            fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add, ignored);
        }
    }
}

Choice choose(const fs::path& executableFolder, const std::vector<fs::path>& sharedFolders,
              const fs::path& userFolder) {
    if (isUsable(executableFolder)) return {executableFolder, {}};
    const fs::path work = executableFolder / kWorkFile;
    std::error_code error;
    if (fs::is_regular_file(work, error) && sizeOf(work) == 0) {
        return {executableFolder, "The work file " + pathText(work) +
                                      " is empty: put back the pk001.fsh that came with Vestrix."};
    }
    // The palette beside the program makes its folder a copy of its own (unpacked portable, or
    // a build): an installation keeps it in share\vestrix, never beside the executable. Such a
    // copy that lost its work file is damaged too, not a reason to start working elsewhere.
    if (sizeOf(executableFolder / kPaletteFile) > 0 && !fs::exists(work, error)) {
        return {executableFolder,
                "The work file " + work.string() +
                    " is missing: put back the pk001.fsh that came with Vestrix."};
    }

    fs::create_directories(userFolder, error);
    if (error) {
        return {userFolder, "Cannot create the folder " + pathText(userFolder) +
                                " for Vestrix's own files: " + error.message()};
    }
    const fs::path user = fs::weakly_canonical(userFolder, error);
    for (const fs::path& shared : sharedFolders) {
        std::error_code ignored;
        if (fs::weakly_canonical(shared, ignored) == user) continue;
        seed(shared, userFolder);
    }
    if (const std::string refusal = refusesNewFiles(userFolder); !refusal.empty()) {
        return {userFolder, "Cannot write into the folder " + pathText(userFolder) +
                                " for Vestrix's own files: " + refusal};
    }
    return {userFolder, {}};
}

}  // namespace ProgramFolderChoice
