// PNG encoding over zlib alone: one IHDR, one IDAT, IEND, every row with filter 0. Written
// without libpng, which the Windows build does not have, so both builds write the same bytes.
#include "batch/png_encoder.h"

#include <zlib.h>

#include <array>
#include <limits>
#include <string_view>

namespace {

void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk is its data's length, its type, the data and a CRC over type and data.
void appendChunk(std::vector<std::uint8_t>& out, std::string_view type,
                 const std::vector<std::uint8_t>& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(crc32(0, nullptr, 0), out.data() + typeStart,
                            static_cast<uInt>(out.size() - typeStart));
    appendBigEndian(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> encodePng(int width, int height,
                                    const std::vector<std::uint32_t>& colorValues) {
    if (width <= 0 || height <= 0 ||
        colorValues.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return {};
    }
    // Each row: the filter byte (0, none), then red, green, blue of every pixel.
    const std::size_t rowBytes = 1 + static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> raw;
    raw.reserve(rowBytes * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < colorValues.size(); ++i) {
        if (i % static_cast<std::size_t>(width) == 0) raw.push_back(0);
        const std::uint32_t v = colorValues[i];
        raw.push_back(static_cast<std::uint8_t>(v));
        raw.push_back(static_cast<std::uint8_t>(v >> 8));
        raw.push_back(static_cast<std::uint8_t>(v >> 16));
    }
    if (raw.size() > std::numeric_limits<uLong>::max() / 2) return {};
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    // Previews are looked at once: speed over size.
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_SPEED) != Z_OK) {
        return {};
    }
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    appendBigEndian(header, static_cast<std::uint32_t>(width));
    appendBigEndian(header, static_cast<std::uint32_t>(height));
    // 8 bits per sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});

    constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P',  'N',  'G',
                                                        '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> png(kSignature.begin(), kSignature.end());
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", {});
    return png;
}
