// A 24-bit picture for the windows, written as a Windows bitmap: every toolkit reads one.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/rgb.h"

class RgbImage {
public:
    RgbImage(int width, int height, Rgb fill);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rgb at(int x, int y) const { return m_pixels[index(x, y)]; }
    void set(int x, int y, Rgb colour) { m_pixels[index(x, y)] = colour; }

    /** The picture as a BMP file: BITMAPINFOHEADER, 24 bits, rows bottom-up padded to 4 bytes. */
    std::vector<std::uint8_t> bmpFile() const;

private:
    std::size_t index(int x, int y) const;

    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};
