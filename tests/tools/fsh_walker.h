// A generic FSH reader for the tests: lists an archive's entries and follows each entry's chain
// of blocks, checking every offset and size against the file, as any FSH tool would.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/rgb.h"

struct FshBlockInfo {
    std::uint32_t offset = 0;  // of the 16-byte block header
    std::uint8_t code = 0;
    std::uint32_t next = 0;  // distance to the next block of the chain, 0 on the last
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint32_t dataBytes = 0;  // after the header; known codes only, else up to the chain's end
};

struct FshEntryInfo {
    std::string tag;
    std::uint32_t offset = 0;
    std::uint32_t end = 0;  // the next entry's offset, or the file's end
    std::vector<FshBlockInfo> blocks;
};

struct FshArchiveInfo {
    std::uint32_t declaredLength = 0;
    std::uint32_t entryCount = 0;
    std::string directoryId;
    std::vector<FshEntryInfo> entries;
};

/** Thrown for anything a reader cannot follow; the message names the byte offset. */
struct FshWalkError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

FshArchiveInfo walkFsh(std::span<const std::uint8_t> file);

/** The colours of a 0x2A or 0x24 palette block. */
std::vector<Rgb> paletteColours(std::span<const std::uint8_t> file, const FshBlockInfo& block);
