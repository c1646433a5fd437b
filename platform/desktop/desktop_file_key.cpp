// File keys on POSIX systems: device and inode.
#include <sys/stat.h>

#include "platform/file_key.h"

std::optional<FileKey> fileKey(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileKey(status.st_dev, status.st_ino);
}
