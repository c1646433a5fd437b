// An 8-bit picture: one palette index per pixel, rows top to bottom.
#include "tools/indexed_image.h"

#include <algorithm>
#include <stdexcept>

IndexedImage::IndexedImage(int width, int height) : m_width(width), m_height(height) {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) {
        throw std::invalid_argument("picture size out of range");
    }
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

std::size_t IndexedImage::index(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        throw std::out_of_range("pixel outside the picture");
    }
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x);
}

void IndexedImage::rotateRowsRight(int count) {
    const int shift = ((count % m_width) + m_width) % m_width;
    for (int y = 0; y < m_height; ++y) {
        const auto row = m_pixels.begin() + static_cast<std::ptrdiff_t>(y) * m_width;
        std::rotate(row, row + (m_width - shift), row + m_width);
    }
}

void IndexedImage::remap(const std::vector<std::uint8_t>& map) {
    for (std::uint8_t& pixel : m_pixels) pixel = map.at(pixel);
}
