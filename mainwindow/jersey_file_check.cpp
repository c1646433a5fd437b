// The FIFA 99 jersey file check.
#include "jersey_file_check.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <span>

#include "binary_access.h"
#include "source_archive.h"

bool isFifa99JerseyFile(const std::string& path) {
    errno = 0;
    FileHandle file = openForBinaryAccess(path);
    if (!file) {
        throw JerseyFileError("Cannot open " + path + ": " + std::strerror(errno));
    }

    std::uint8_t header[SourceArchive::kCheckedHeaderBytes];
    const std::size_t length = std::fseek(file.get(), 0, SEEK_SET) == 0
                                   ? std::fread(header, 1, sizeof header, file.get())
                                   : 0;
    return SourceArchive::isFifa99JerseyHeader(std::span<const std::uint8_t>(header, length));
}
