// Output folders on POSIX systems: an O_PATH descriptor, which needs no right to list the folder,
// and the *at calls relative to it.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/common/lower_case.h"
#include "platform/file_access_error.h"
#include "platform/output_folder.h"

namespace {
[[noreturn]] void refuse(const std::string& path, const std::string& reason) {
    throw FileAccessError("Cannot write to folder " + path + ": " + reason);
}
}  // namespace

OutputFolder::OutputFolder(const std::string& path) : m_path(path) {
    m_handle = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_handle < 0) refuse(path, std::strerror(errno));
    struct stat status {};
    if (::fstat(m_handle, &status) != 0) {
        const int error = errno;
        ::close(m_handle);
        refuse(path, std::strerror(error));
    }
    m_key = FileKey(status.st_dev, status.st_ino);
}

OutputFolder::OutputFolder(OutputFolder&& other) noexcept
    : m_path(std::move(other.m_path)),
      m_key(other.m_key),
      m_handle(std::exchange(other.m_handle, -1)) {}

OutputFolder::~OutputFolder() {
    if (m_handle >= 0) ::close(m_handle);
}

void OutputFolder::checkTakesFiles() const {
    // The probe goes through the same code as every output, and is removed at once.
    const std::string probe =
        std::string(".probe") + WriteTarget::kTemporaryMark + std::to_string(::getpid());
    const int fd = ::openat(m_handle, probe.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) refuse(m_path, std::strerror(errno));
    ::close(fd);
    ::unlinkat(m_handle, probe.c_str(), 0);
}

namespace {
/** The names in the folder, in lower case; nothing when it cannot be listed (no right to). */
std::optional<std::set<std::string>> namesIn(int folder) {
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!listing) {
        if (fd >= 0) ::close(fd);
        return std::nullopt;
    }
    std::set<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(listing)) names.insert(lowerCase(entry->d_name));
    const bool whole = errno == 0;
    ::closedir(listing);
    if (!whole) return std::nullopt;
    return names;
}
}  // namespace

WriteTarget OutputFolder::examine(const std::string& name, const std::string& shownPath) const {
    if (!m_listed) {
        m_names = namesIn(m_handle);
        m_listed = true;
    }
    if (m_names && !m_names->contains(lowerCase(name)))
        return WriteTarget::newIn(m_handle, name, shownPath);
    return WriteTarget::examineIn(m_handle, name, shownPath);
}
