// Whole-file writes on POSIX systems, through a temporary file in the same folder (a rename is
// atomic only within one file system). errno is read right after the call that failed, before any
// clean-up call can change it.
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "whole_file.h"

namespace {

/** Creates a new, empty temporary file beside path; -1 with errno set on failure. */
int createTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path;
        temporary.replace_filename("." + path.filename().string() + ".vestrix-" +
                                   std::to_string(::getpid()) + "-" + std::to_string(counter++));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

std::string failure(const std::filesystem::path& path, int error) {
    return "Cannot write " + path.string() + ": " + std::strerror(error);
}

}  // namespace

std::string writeWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0) return failure(path, errno);
    if (!writeAll(fd, bytes)) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure(path, error);
    }
    if (::close(fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failure(path, error);
    }
    return {};
}

std::string checkFolderTakesFiles(const std::filesystem::path& folder) {
    std::filesystem::path probe;
    const int fd = createTemporary(folder / "probe", probe);
    if (fd < 0) return "Cannot write to folder " + folder.string() + ": " + std::strerror(errno);
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
}
