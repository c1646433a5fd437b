// A 24-bit picture and its BMP file.
#include "tools/rgb_image.h"

#include <stdexcept>

namespace {
void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}
constexpr std::uint32_t kHeaderSize = 14 + 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dpi
}  // namespace

RgbImage::RgbImage(int width, int height, Rgb fill) : m_width(width), m_height(height) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("empty picture");
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

std::size_t RgbImage::index(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        throw std::out_of_range("pixel off the picture");
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x);
}

std::vector<std::uint8_t> RgbImage::bmpFile() const {
    const auto width = static_cast<std::uint32_t>(m_width);
    const auto height = static_cast<std::uint32_t>(m_height);
    const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * height;

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, kHeaderSize + pixelBytes);
    put32(out, 0);            // reserved
    put32(out, kHeaderSize);  // where the pixels start
    put32(out, 40);
    put32(out, width);
    put32(out, height);  // positive: the bottom row comes first
    put16(out, 1);       // planes
    put16(out, 24);
    put32(out, 0);  // no compression
    put32(out, pixelBytes);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0);
    put32(out, 0);
    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            const Rgb colour = at(x, y);
            out.push_back(colour.blue);
            out.push_back(colour.green);
            out.push_back(colour.red);
        }
        out.resize(out.size() + (rowBytes - width * 3), 0);
    }
    return out;
}
