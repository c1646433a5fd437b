// Whole-file reads on POSIX systems. The file is opened without blocking, so that a FIFO in
// place of a kit or a resource is refused instead of waiting for a writer forever, and its type
// and length are taken from the open file itself.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/desktop/file_kind.h"
#include "platform/file_access_error.h"
#include "platform/regular_file.h"

namespace {
[[noreturn]] void refuse(const std::string& path, const std::string& reason) {
    throw FileAccessError("Cannot read " + path + ": " + reason);
}

struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};

RegularFile read(const std::string& path, std::uint64_t maxBytes, bool refuseLonger) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) refuse(path, std::strerror(errno));
    const Descriptor closer{fd};

    struct stat status {};
    if (::fstat(fd, &status) != 0) refuse(path, std::strerror(errno));
    if (!S_ISREG(status.st_mode)) refuse(path, notAFileReason(status.st_mode));
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size > maxBytes && refuseLonger) {
        refuse(path, "it holds more than " + std::to_string(maxBytes) + " bytes");
    }

    RegularFile file{std::vector<std::uint8_t>(static_cast<std::size_t>(std::min(size, maxBytes))),
                     FileKey(status.st_dev, status.st_ino)};
    // A file that grows while it is read is cut at the length it had when opened.
    std::size_t done = 0;
    while (done < file.bytes.size()) {
        const ssize_t got = ::read(fd, file.bytes.data() + done, file.bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) refuse(path, std::strerror(errno));
        if (got == 0) break;  // shrunk meanwhile
        done += static_cast<std::size_t>(got);
    }
    file.bytes.resize(done);
    return file;
}
}  // namespace

RegularFile readRegularFile(const std::string& path, std::uint64_t maxBytes) {
    return read(path, maxBytes, true);
}

RegularFile readRegularFileStart(const std::string& path, std::uint64_t count) {
    return read(path, count, false);
}
