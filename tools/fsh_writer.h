// Writes EA "SHPI" (FSH) archives: file header, directory, and each entry's chain of blocks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FshWriter {
public:
    /** One block of an entry's chain: the 16-byte header is made from these fields. */
    struct Block {
        std::uint8_t code = 0;
        std::uint16_t width = 0;
        std::uint16_t height = 0;
        std::vector<std::uint8_t> data;
    };

    /** alignment: where entries and the blocks of a chain start (a multiple of it). */
    FshWriter(std::string_view directoryId, std::uint32_t alignment);

    /**
     * Adds an entry whose blocks are chained by their next-block distances in the order given.
     * Without fixedOffset the entry starts at the next aligned offset; with it, exactly there
     * (the gap before it is zero padding), for archives whose layout is fixed by the game.
     */
    void addEntry(std::string_view tag, std::vector<Block> blocks,
                  std::optional<std::uint32_t> fixedOffset = std::nullopt);

    /** The whole file, zero-padded at the end to at least minimumLength bytes. */
    std::vector<std::uint8_t> build(std::uint32_t minimumLength = 0) const;

private:
    struct Entry {
        std::string tag;
        std::vector<Block> blocks;
        std::optional<std::uint32_t> fixedOffset;
    };

    std::uint32_t aligned(std::uint32_t offset) const;

    std::string m_directoryId;
    std::uint32_t m_alignment;
    std::vector<Entry> m_entries;
};
