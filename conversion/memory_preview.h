// A preview surface kept in memory as 24-bit pixels: the command-line converter's PNG previews,
// the benchmarks and the tests draw into it.
#pragma once

#include <cstdint>
#include <vector>

#include "conversion/conversion_host.h"

class MemoryPreview : public PreviewSurface {
public:
    /** A surface of width x height pixels, all set to background (a colour value). */
    MemoryPreview(int width, int height, std::uint32_t background = 0);

    void pset(float x, float y, std::uint32_t colorValue) override;
    float currentY() const override { return m_currentY; }

    int width() const { return m_width; }
    int height() const { return m_height; }
    /** The colour value at a pixel. */
    std::uint32_t pixel(int x, int y) const {
        return m_pixels[static_cast<std::size_t>(y * m_width + x)];
    }
    /** Every pixel, row by row. */
    const std::vector<std::uint32_t>& pixels() const { return m_pixels; }
    /** Points drawn so far, inside the surface or not. */
    long pointCount() const { return m_pointCount; }

private:
    int m_width;
    int m_height;
    std::vector<std::uint32_t> m_pixels;
    float m_currentY = 0;
    long m_pointCount = 0;
};
