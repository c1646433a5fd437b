// A generic FSH reader for the tests. It trusts nothing: every directory offset, every
// next-block distance and every block's data must lie inside the file and inside its entry.
#include "tests/tools/fsh_walker.h"

namespace {

constexpr std::uint32_t kHeaderBytes = 16;

std::uint32_t readLe(std::span<const std::uint8_t> file, std::size_t at, int bytes) {
    if (at + static_cast<std::size_t>(bytes) > file.size()) {
        throw FshWalkError("read past the end of the file at " + std::to_string(at));
    }
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | file[at + static_cast<std::size_t>(i)];
    return value;
}

std::string readText(std::span<const std::uint8_t> file, std::size_t at) {
    readLe(file, at, 4);
    return {file.begin() + static_cast<std::ptrdiff_t>(at),
            file.begin() + static_cast<std::ptrdiff_t>(at + 4)};
}

// Bytes after the header for the formats our files use; 0 when the code is not one of them.
std::uint32_t knownDataBytes(std::uint8_t code, std::uint32_t width, std::uint32_t height) {
    switch (code) {
        case 0x7B:
            return width * height;  // 8-bit indexed
        case 0x2A:
            return 4 * width * height;  // palette: blue, green, red, alpha
        case 0x24:
            return 3 * width * height;  // palette: red, green, blue
        default:
            return 0;
    }
}

std::vector<FshBlockInfo> walkChain(std::span<const std::uint8_t> file, const FshEntryInfo& entry) {
    std::vector<FshBlockInfo> blocks;
    std::uint32_t at = entry.offset;
    while (true) {
        if (at + kHeaderBytes > entry.end) {
            throw FshWalkError("block header at " + std::to_string(at) + " runs out of entry " +
                               entry.tag);
        }
        FshBlockInfo block;
        block.offset = at;
        block.code = file[at];
        block.next = readLe(file, at + 1, 3);
        block.width = static_cast<std::uint16_t>(readLe(file, at + 4, 2));
        block.height = static_cast<std::uint16_t>(readLe(file, at + 6, 2));
        const std::uint32_t chainEnd = block.next != 0 ? at + block.next : entry.end;
        if (chainEnd > entry.end) {
            throw FshWalkError("next-block distance at " + std::to_string(at) + " leaves entry " +
                               entry.tag);
        }
        block.dataBytes = knownDataBytes(block.code, block.width, block.height);
        if (block.dataBytes == 0) block.dataBytes = chainEnd - at - kHeaderBytes;
        if (at + kHeaderBytes + block.dataBytes > chainEnd) {
            throw FshWalkError("data of the block at " + std::to_string(at) +
                               " overruns the next block or the entry");
        }
        blocks.push_back(block);
        if (block.next == 0) return blocks;
        if (block.next < kHeaderBytes) {
            throw FshWalkError("next-block distance at " + std::to_string(at) + " too short");
        }
        at += block.next;
    }
}

}  // namespace

FshArchiveInfo walkFsh(std::span<const std::uint8_t> file) {
    if (readText(file, 0) != "SHPI") throw FshWalkError("no SHPI magic at 0");
    FshArchiveInfo archive;
    archive.declaredLength = readLe(file, 4, 4);
    archive.entryCount = readLe(file, 8, 4);
    archive.directoryId = readText(file, 12);
    const std::size_t directoryEnd =
        kHeaderBytes + 8 * static_cast<std::size_t>(archive.entryCount);
    if (directoryEnd > file.size()) throw FshWalkError("directory runs past the end of the file");

    for (std::uint32_t i = 0; i < archive.entryCount; ++i) {
        FshEntryInfo entry;
        entry.tag = readText(file, kHeaderBytes + 8 * i);
        entry.offset = readLe(file, kHeaderBytes + 8 * i + 4, 4);
        if (entry.offset < directoryEnd || entry.offset >= file.size()) {
            throw FshWalkError("entry " + entry.tag + " at " + std::to_string(entry.offset) +
                               " outside the file's data");
        }
        if (!archive.entries.empty() && entry.offset <= archive.entries.back().offset) {
            throw FshWalkError("entry " + entry.tag + " not in directory order");
        }
        archive.entries.push_back(entry);
    }
    for (std::size_t i = 0; i < archive.entries.size(); ++i) {
        FshEntryInfo& entry = archive.entries[i];
        entry.end = i + 1 < archive.entries.size() ? archive.entries[i + 1].offset
                                                   : static_cast<std::uint32_t>(file.size());
        entry.blocks = walkChain(file, entry);
    }
    return archive;
}

std::vector<Rgb> paletteColours(std::span<const std::uint8_t> file, const FshBlockInfo& block) {
    std::vector<Rgb> colours;
    const std::size_t data = block.offset + kHeaderBytes;
    for (std::size_t k = 0; k < block.width; ++k) {
        if (block.code == 0x2A) {
            colours.push_back({file[data + 4 * k + 2], file[data + 4 * k + 1], file[data + 4 * k]});
        } else if (block.code == 0x24) {
            colours.push_back({file[data + 3 * k], file[data + 3 * k + 1], file[data + 3 * k + 2]});
        } else {
            throw FshWalkError("block at " + std::to_string(block.offset) + " is no palette");
        }
    }
    return colours;
}
