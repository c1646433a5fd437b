// The FIFA 99 jersey file check.
#include "jersey_file_check.h"

#include <cerrno>
#include <cstring>

#include "binary_access.h"

bool isFifa99JerseyFile(const std::string& path) {
    errno = 0;
    FileHandle file = openForBinaryAccess(path);
    if (!file) {
        throw JerseyFileError("Cannot open " + path + ": " + std::strerror(errno));
    }

    char magic[4];
    if (std::fseek(file.get(), 0, SEEK_SET) != 0 ||
        std::fread(magic, 1, sizeof magic, file.get()) != sizeof magic ||
        std::memcmp(magic, "SHPI", sizeof magic) != 0) {
        return false;
    }
    unsigned char countLowByte = 0;
    if (std::fseek(file.get(), 8, SEEK_SET) != 0 ||
        std::fread(&countLowByte, 1, 1, file.get()) != 1) {
        return false;
    }
    return countLowByte == 14;
}
