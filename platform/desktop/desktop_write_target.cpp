// Write targets on POSIX systems. errno is read right after the call that failed, before any
// clean-up call can change it.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/desktop/file_kind.h"
#include "platform/file_access_error.h"
#include "platform/write_target.h"

namespace {
[[noreturn]] void refuse(const std::string& path, const std::string& reason) {
    throw FileAccessError("Cannot write " + path + ": " + reason);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes, off_t offset, std::size_t piece) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), std::min(bytes.size(), piece), offset);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

/**
 * Creates a new, empty hidden file beside name inside folder (AT_FDCWD: name is a whole path);
 * -1 with errno set on failure.
 */
int createTemporary(int folder, const std::string& name, std::string& temporary, mode_t mode) {
    static std::atomic<unsigned> counter{0};
    static const std::string process = std::to_string(::getpid());  // one call, not one a file
    const std::filesystem::path target(name);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path beside = target;
        beside.replace_filename("." + target.filename().string() + WriteTarget::kTemporaryMark +
                                process + "-" + std::to_string(counter++));
        temporary = beside.string();
        const int fd = ::openat(folder, temporary.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

enum class Unnamed { Written, Unsupported, Failed };

/**
 * A new file made without a name (O_TMPFILE), written whole and only then given its name inside
 * folder: there is no temporary name at all, so an interrupted or killed run leaves nothing
 * behind, and the folder changes once instead of twice. Failed leaves errno set.
 */
Unnamed writeUnnamed(int folder, const std::string& name, std::span<const std::uint8_t> bytes,
                     std::size_t piece) {
    const std::string beside = std::filesystem::path(name).parent_path().string();
    const int fd = ::openat(folder, beside.empty() ? "." : beside.c_str(),
                            O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? Unnamed::Unsupported
                                                                         : Unnamed::Failed;
    char self[32];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    const bool named = writeAll(fd, bytes, 0, piece) &&
                       ::linkat(AT_FDCWD, self, folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    int error = errno;
    if (::close(fd) != 0 && named) {
        error = errno;  // a late write error: the name must not keep what may be incomplete
        ::unlinkat(folder, name.c_str(), 0);
    } else if (named) {
        return Unnamed::Written;
    }
    errno = error;
    return Unnamed::Failed;
}

/**
 * Gives a finished temporary file its name. A new target's name must still be free: a file that
 * appeared there since the target was examined is not replaced.
 */
bool putInPlace(int folder, const std::string& temporary, const std::string& name, bool replace) {
    if (replace) return ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0;
    if (::renameat2(folder, temporary.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL) return false;
    // A file system that cannot rename without replacing: a second name, then the first goes.
    if (::linkat(folder, temporary.c_str(), folder, name.c_str(), 0) != 0) return false;
    ::unlinkat(folder, temporary.c_str(), 0);
    return true;
}

/** True when the space for length bytes is certain; errno tells why not otherwise. */
bool reserve(int fd, off_t length) {
    const int result = ::posix_fallocate(fd, 0, length);
    if (result == 0) return true;
    if (result != EOPNOTSUPP && result != EINVAL) {
        errno = result;
        return false;
    }
    // A file system without reservations: the free space must hold the whole file again.
    struct statvfs space {};
    if (::fstatvfs(fd, &space) != 0) return false;
    if (static_cast<unsigned long long>(space.f_bavail) * space.f_frsize <
        static_cast<unsigned long long>(length)) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

}  // namespace

WriteTarget WriteTarget::examineIn(int folder, const std::string& name, const std::string& shown) {
    WriteTarget target;
    target.m_path = shown;
    target.m_writtenPath = name;
    target.m_folder = folder == AT_FDCWD ? kWholePath : folder;
    struct stat link {};
    if (::fstatat(folder, name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) refuse(shown, std::strerror(errno));
        return target;  // new; its folder is the writer's concern
    }
    struct stat status = link;
    if (S_ISLNK(link.st_mode) && ::fstatat(folder, name.c_str(), &status, 0) != 0) {
        // A link whose file is gone: writing would create a file the user never named.
        refuse(shown, errno == ENOENT ? "it is a link to a file that does not exist"
                                      : std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) refuse(shown, notAFileReason(status.st_mode));
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        refuse(shown, "it is write-protected");
    if (::faccessat(folder, name.c_str(), W_OK, 0) != 0) refuse(shown, std::strerror(errno));

    if (S_ISLNK(link.st_mode)) {
        // Written through: the file the link leads to is replaced beside itself.
        char* real = ::realpath(shown.c_str(), nullptr);
        if (!real) refuse(shown, std::strerror(errno));
        target.m_writtenPath = real;
        target.m_folder = kWholePath;
        std::free(real);
    }
    target.m_key = FileKey(status.st_dev, status.st_ino);
    target.m_mode = status.st_mode & 07777;
    target.m_inPlace = status.st_nlink > 1;
    return target;
}

WriteTarget WriteTarget::examine(const std::string& path) {
    return examineIn(AT_FDCWD, path, path);
}

void WriteTarget::write(std::span<const std::uint8_t> bytes, std::size_t pieceBytes) const {
    const std::size_t piece = pieceBytes == 0 ? bytes.size() : pieceBytes;
    const auto length = static_cast<off_t>(bytes.size());
    const int folder = m_folder == kWholePath ? AT_FDCWD : m_folder;
    if (!exists()) {
        const Unnamed made = writeUnnamed(folder, m_writtenPath, bytes, piece);
        if (made == Unnamed::Written) return;
        if (made == Unnamed::Failed) refuse(m_path, std::strerror(errno));
    }
    if (!m_inPlace) {
        std::string temporary;
        const int fd = createTemporary(folder, m_writtenPath, temporary, exists() ? m_mode : 0666);
        if (fd >= 0) {
            // The umask does not apply to an explicit change: the copy keeps the old rights.
            const bool written =
                (!exists() || ::fchmod(fd, m_mode) == 0) && writeAll(fd, bytes, 0, piece);
            int error = errno;
            const bool closed = ::close(fd) == 0;
            if (written && !closed) error = errno;
            if (written && closed && putInPlace(folder, temporary, m_writtenPath, exists())) return;
            if (written && closed) error = errno;
            ::unlinkat(folder, temporary.c_str(), 0);
            refuse(m_path, std::strerror(error));
        }
        // A folder that takes no new files still lets an existing file be written where it is.
        if (!exists() || (errno != EACCES && errno != EPERM)) refuse(m_path, std::strerror(errno));
    }

    const int fd =
        ::openat(folder, m_writtenPath.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) refuse(m_path, std::strerror(errno));
    struct stat status {};
    bool written = ::fstat(fd, &status) == 0;
    if (written && (!S_ISREG(status.st_mode) || FileKey(status.st_dev, status.st_ino) != *m_key)) {
        ::close(fd);
        refuse(m_path, "it was replaced by another file meanwhile");
    }
    written = written && reserve(fd, length) && writeAll(fd, bytes, 0, piece) &&
              ::ftruncate(fd, length) == 0;
    int error = errno;
    const bool closed = ::close(fd) == 0;
    if (written && !closed) error = errno;
    if (!written || !closed) refuse(m_path, std::strerror(error));
}

void WriteTarget::remove() const {
    ::unlinkat(m_folder == kWholePath ? AT_FDCWD : m_folder, m_writtenPath.c_str(), 0);
}
