// Writes EA "SHPI" (FSH) archives. All numbers little-endian; every block has a 16-byte header
// (code, u24 distance to the next block of the same entry or 0, u16 width, u16 height, and eight
// bytes of centre and position that our pictures leave at 0).
#include "tools/fsh_writer.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::uint32_t kFileHeaderBytes = 16;
constexpr std::uint32_t kDirectoryRecordBytes = 8;
constexpr std::uint32_t kBlockHeaderBytes = 16;

void put(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void putText(std::vector<std::uint8_t>& out, std::size_t at, std::string_view text) {
    std::copy(text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
}

void requireFourLetters(std::string_view text, const char* what) {
    if (text.size() != 4) throw std::invalid_argument(std::string(what) + " must have 4 letters");
}

}  // namespace

FshWriter::FshWriter(std::string_view directoryId, std::uint32_t alignment)
    : m_directoryId(directoryId), m_alignment(alignment) {
    requireFourLetters(directoryId, "directory id");
    if (alignment == 0) throw std::invalid_argument("alignment must be positive");
}

void FshWriter::addEntry(std::string_view tag, std::vector<Block> blocks,
                         std::optional<std::uint32_t> fixedOffset) {
    requireFourLetters(tag, "entry tag");
    if (blocks.empty()) throw std::invalid_argument("entry without blocks");
    m_entries.push_back({std::string(tag), std::move(blocks), fixedOffset});
}

std::uint32_t FshWriter::aligned(std::uint32_t offset) const {
    return (offset + m_alignment - 1) / m_alignment * m_alignment;
}

std::vector<std::uint8_t> FshWriter::build(std::uint32_t minimumLength) const {
    // Lay the entries out first: each block's offset, in file order.
    std::vector<std::vector<std::uint32_t>> blockOffsets;
    std::uint32_t position =
        kFileHeaderBytes + kDirectoryRecordBytes * static_cast<std::uint32_t>(m_entries.size());
    for (const Entry& entry : m_entries) {
        if (entry.fixedOffset) {
            if (*entry.fixedOffset < position) {
                throw std::logic_error("entry " + entry.tag + " overlaps the one before it");
            }
            position = *entry.fixedOffset;
        } else {
            position = aligned(position);
        }
        std::vector<std::uint32_t>& offsets = blockOffsets.emplace_back();
        for (const Block& block : entry.blocks) {
            if (!offsets.empty()) position = aligned(position);
            offsets.push_back(position);
            position += kBlockHeaderBytes + static_cast<std::uint32_t>(block.data.size());
        }
    }
    const std::uint32_t length = std::max(position, minimumLength);

    std::vector<std::uint8_t> out(length, 0);
    putText(out, 0, "SHPI");
    put(out, 4, length, 4);
    put(out, 8, static_cast<std::uint32_t>(m_entries.size()), 4);
    putText(out, 12, m_directoryId);
    for (std::size_t e = 0; e < m_entries.size(); ++e) {
        const Entry& entry = m_entries[e];
        const std::size_t record = kFileHeaderBytes + kDirectoryRecordBytes * e;
        putText(out, record, entry.tag);
        put(out, record + 4, blockOffsets[e].front(), 4);
        for (std::size_t b = 0; b < entry.blocks.size(); ++b) {
            const Block& block = entry.blocks[b];
            const std::uint32_t at = blockOffsets[e][b];
            const std::uint32_t next =
                b + 1 < entry.blocks.size() ? blockOffsets[e][b + 1] - at : 0;
            if (next > 0xFFFFFF) throw std::logic_error("block of " + entry.tag + " too large");
            out[at] = block.code;
            put(out, at + 1, next, 3);
            put(out, at + 4, block.width, 2);
            put(out, at + 6, block.height, 2);
            std::copy(block.data.begin(), block.data.end(),
                      out.begin() + static_cast<std::ptrdiff_t>(at + kBlockHeaderBytes));
        }
    }
    return out;
}
