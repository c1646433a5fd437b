// Temporary folders for the tests.
#include "tests/support/temp_folder.h"

#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device random;
    for (;;) {
        m_path = fs::temp_directory_path() / ("vestrix-test-" + std::to_string(random()));
        if (fs::create_directories(m_path)) break;
    }
}

TempFolder::~TempFolder() {
    std::error_code error;
    // A test may have taken away the owner's rights to see that the program copes.
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_path, error)) {
        if (entry.is_directory(error)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
    }
    fs::remove_all(m_path, error);
}

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
    const fs::path path = m_path / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string TempFolder::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
