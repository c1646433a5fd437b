// Walking a JPEG stream's markers to its end.
#include "skins/jpeg_completeness.h"

#include <cstddef>

namespace {
constexpr std::uint8_t kMarker = 0xFF;
constexpr std::uint8_t kStart = 0xD8;
constexpr std::uint8_t kEnd = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;

// Markers without a length: the restart markers and TEM.
bool standsAlone(std::uint8_t marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

/**
 * The position of the marker that ends the entropy-coded data starting at i, or bytes.size() when
 * the data runs to the end. Inside the data a 0xFF is followed by 0 (a stuffed byte), a restart
 * marker or more 0xFF fill; anything else is the next marker.
 */
std::size_t endOfScan(std::span<const std::uint8_t> bytes, std::size_t i) {
    while (i + 1 < bytes.size()) {
        if (bytes[i] != kMarker) {
            ++i;
        } else if (bytes[i + 1] == kMarker) {
            ++i;
        } else if (bytes[i + 1] == 0 || standsAlone(bytes[i + 1])) {
            i += 2;
        } else {
            return i;
        }
    }
    return bytes.size();
}
}  // namespace

bool isCompleteJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2 || bytes[0] != kMarker || bytes[1] != kStart) return false;
    std::size_t i = 2;
    for (;;) {
        if (i >= bytes.size() || bytes[i] != kMarker) return false;
        while (i < bytes.size() && bytes[i] == kMarker) ++i;  // fill before a marker
        if (i >= bytes.size()) return false;
        const std::uint8_t marker = bytes[i++];
        if (marker == kEnd) return true;
        if (standsAlone(marker)) continue;
        if (i + 2 > bytes.size()) return false;
        const std::size_t length = (std::size_t{bytes[i]} << 8) | bytes[i + 1];
        if (length < 2 || i + length > bytes.size()) return false;
        i += length;
        if (marker == kStartOfScan) i = endOfScan(bytes, i);
    }
}
