// Reading FIFA 99 jersey archives.
#include "conversion/source_archive.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "conversion/conversion_error.h"
#include "platform/file_access_error.h"
#include "platform/regular_file.h"

SourceArchive SourceArchive::open(const std::string& path) {
    try {
        return SourceArchive(readRegularFileStart(path, kFarthestReachableByte).bytes);
    } catch (const FileAccessError& error) {
        throw SourceFileError(error.what());
    }
}

bool SourceArchive::isFifa99JerseyHeader(std::span<const std::uint8_t> header) {
    return header.size() >= kCheckedHeaderBytes &&
           std::equal(header.begin(), header.begin() + 4, "SHPI") && header[8] == 14;
}

void SourceArchive::read(std::uint64_t offset, std::span<std::uint8_t> out) const {
    std::size_t available = 0;
    if (offset < m_bytes.size()) {
        available =
            static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), m_bytes.size() - offset));
        std::memcpy(out.data(), m_bytes.data() + offset, available);
    }
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(available), out.end(), std::uint8_t{0});
}

std::optional<std::uint32_t> SourceArchive::findEntry(std::string_view sourceTag) const {
    for (int record = 0; record < kDirectoryRecords; ++record) {
        const std::uint64_t at = 16 + 8 * static_cast<std::uint64_t>(record);
        bool same = sourceTag.size() == 4;
        for (std::size_t i = 0; same && i < 4; ++i) {
            same = std::tolower(byteAt(at + i)) == static_cast<unsigned char>(sourceTag[i]);
        }
        if (same) {
            // The fourth byte of the offset is ignored: entries never lie beyond 16 MB.
            return byteAt(at + 4) | byteAt(at + 5) << 8 | byteAt(at + 6) << 16;
        }
    }
    return std::nullopt;
}
