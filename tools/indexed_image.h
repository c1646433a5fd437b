// An 8-bit picture: one palette index per pixel, rows top to bottom, as FSH bitmaps store it.
#pragma once

#include <cstdint>
#include <vector>

class IndexedImage {
public:
    IndexedImage(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    std::uint8_t at(int x, int y) const { return m_pixels[index(x, y)]; }
    void set(int x, int y, std::uint8_t value) { m_pixels[index(x, y)] = value; }
    const std::vector<std::uint8_t>& pixels() const { return m_pixels; }

    /** Every row turned right by count pixels: its last count pixels move to its front. */
    void rotateRowsRight(int count);
    /** Every pixel replaced by map[pixel]. */
    void remap(const std::vector<std::uint8_t>& map);

private:
    std::size_t index(int x, int y) const;

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_pixels;
};
