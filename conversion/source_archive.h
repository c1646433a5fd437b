// A FIFA 99 jersey archive, read once into memory. The game's files are trusted by the format
// (offsets are not checked against the length), so every read here is bounded instead: bytes past
// the end of a short or damaged file read as zero.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class SourceArchive {
public:
    /** Directory records scanned: a FIFA 99 jersey has 14 pictures. */
    static constexpr int kDirectoryRecords = 14;

    /**
     * The farthest byte the conversion can reach: a 24-bit entry offset, a 16-bit distance to
     * the palette, its header and 1024 colour bytes. Anything beyond is never read, so never
     * loaded.
     */
    static constexpr std::uint64_t kFarthestReachableByte =
        (1u << 24) + (1u << 16) + 16 + 16 + 1024;

    explicit SourceArchive(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    /** Reads the file at path; throws SourceFileError naming it when it cannot be read. */
    static SourceArchive open(const std::string& path);

    /** Bytes the quick check below looks at: the magic and the entry count's low byte. */
    static constexpr std::size_t kCheckedHeaderBytes = 9;

    /** The quick check the game's files pass: "SHPI" and 14 pictures (the count's low byte). */
    static bool isFifa99JerseyHeader(std::span<const std::uint8_t> header);
    bool isFifa99Jersey() const { return isFifa99JerseyHeader(m_bytes); }

    /** Bytes held: the file's length, or as much of it as the conversion can reach. */
    std::uint64_t size() const { return m_bytes.size(); }

    std::uint8_t byteAt(std::uint64_t offset) const {
        return offset < m_bytes.size() ? m_bytes[offset] : 0;
    }
    /** The count bytes from offset where they lie, or nullptr unless all are in the file. */
    const std::uint8_t* bytesAt(std::uint64_t offset, std::size_t count) const {
        return offset + count <= m_bytes.size() ? m_bytes.data() + offset : nullptr;
    }
    /** Fills out from offset; what lies past the end of the file reads as zero. */
    void read(std::uint64_t offset, std::span<std::uint8_t> out) const;

    /**
     * The entry offset of the first of the 14 directory records whose tag, in lower case, is
     * sourceTag; only the three low bytes of the stored offset count.
     */
    std::optional<std::uint32_t> findEntry(std::string_view sourceTag) const;

private:
    std::vector<std::uint8_t> m_bytes;
};
