// Reading a whole file that must be an ordinary one: a kit, the template, the palette, the
// settings. A FIFO, a device or an endless file given in their place must neither hang the
// program nor fill its memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_key.h"

struct RegularFile {
    std::vector<std::uint8_t> bytes;
    /** The identity of the file that was read, from the same open file (no second lookup). */
    FileKey key;
};

/**
 * Reads path whole. Throws FileAccessError naming path when it cannot be opened, is not a regular
 * file (a folder, device, FIFO or socket; checked without waiting for a writer), or holds more
 * than maxBytes.
 */
RegularFile readRegularFile(const std::string& path, std::uint64_t maxBytes);

/** The same rules, but only the first count bytes are read (fewer when the file is shorter). */
RegularFile readRegularFileStart(const std::string& path, std::uint64_t count);
