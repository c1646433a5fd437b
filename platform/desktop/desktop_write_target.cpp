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
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "file_access_error.h"
#include "file_kind.h"
#include "write_target.h"

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

/** Creates a new, empty hidden file beside path; -1 with errno set on failure. */
int createTemporary(const std::string& path, std::string& temporary, mode_t mode) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path target(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path name = target;
        name.replace_filename("." + target.filename().string() + WriteTarget::kTemporaryMark +
                              std::to_string(::getpid()) + "-" + std::to_string(counter++));
        temporary = name.string();
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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

WriteTarget WriteTarget::examine(const std::string& path) {
    WriteTarget target;
    target.m_path = path;
    target.m_writtenPath = path;
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
        if (errno != ENOENT) refuse(path, std::strerror(errno));
        return target;  // new; its folder is the writer's concern
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        // A link whose file is gone: writing would create a file the user never named.
        refuse(path, S_ISLNK(link.st_mode) ? "it is a link to a file that does not exist"
                                           : std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) refuse(path, notAFileReason(status.st_mode));
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        refuse(path, "it is write-protected");
    if (::access(path.c_str(), W_OK) != 0) refuse(path, std::strerror(errno));

    if (S_ISLNK(link.st_mode)) {
        char* real = ::realpath(path.c_str(), nullptr);
        if (!real) refuse(path, std::strerror(errno));
        target.m_writtenPath = real;
        std::free(real);
    }
    target.m_key = FileKey(status.st_dev, status.st_ino);
    target.m_mode = status.st_mode & 07777;
    target.m_inPlace = status.st_nlink > 1;
    return target;
}

void WriteTarget::write(std::span<const std::uint8_t> bytes, std::size_t pieceBytes) const {
    const std::size_t piece = pieceBytes == 0 ? bytes.size() : pieceBytes;
    const auto length = static_cast<off_t>(bytes.size());
    if (!m_inPlace) {
        std::string temporary;
        const int fd = createTemporary(m_writtenPath, temporary, exists() ? m_mode : 0666);
        if (fd >= 0) {
            // The umask does not apply to an explicit change: the copy keeps the old rights.
            const bool written = (!exists() || ::fchmod(fd, m_mode) == 0) && writeAll(fd, bytes, 0, piece);
            int error = errno;
            const bool closed = ::close(fd) == 0;
            if (written && !closed) error = errno;
            if (written && closed && ::rename(temporary.c_str(), m_writtenPath.c_str()) == 0)
                return;
            if (written && closed) error = errno;
            ::unlink(temporary.c_str());
            refuse(m_path, std::strerror(error));
        }
        // A folder that takes no new files still lets an existing file be written where it is.
        if (!exists() || (errno != EACCES && errno != EPERM)) refuse(m_path, std::strerror(errno));
    }

    const int fd = ::open(m_writtenPath.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) refuse(m_path, std::strerror(errno));
    struct stat status {};
    bool written = ::fstat(fd, &status) == 0;
    if (written && (!S_ISREG(status.st_mode) || FileKey(status.st_dev, status.st_ino) != *m_key)) {
        ::close(fd);
        refuse(m_path, "it was replaced by another file meanwhile");
    }
    written =
        written && reserve(fd, length) && writeAll(fd, bytes, 0, piece) && ::ftruncate(fd, length) == 0;
    int error = errno;
    const bool closed = ::close(fd) == 0;
    if (written && !closed) error = errno;
    if (!written || !closed) refuse(m_path, std::strerror(error));
}
