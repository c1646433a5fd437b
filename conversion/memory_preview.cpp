// Preview pixels in memory. Points at fractional coordinates land on the nearest pixel (half to
// even); points outside the surface are counted but not drawn, as a picture box clips them.
#include "conversion/memory_preview.h"

#include <cmath>

MemoryPreview::MemoryPreview(int width, int height, std::uint32_t background)
    : m_width(width),
      m_height(height),
      m_pixels(static_cast<std::size_t>(width * height), background) {}

void MemoryPreview::pset(float x, float y, std::uint32_t colorValue) {
    ++m_pointCount;
    m_currentY = y;
    const float px = std::nearbyint(x);
    const float py = std::nearbyint(y);
    if (px < 0 || py < 0 || px >= static_cast<float>(m_width) || py >= static_cast<float>(m_height))
        return;
    m_pixels[static_cast<std::size_t>(static_cast<int>(py) * m_width + static_cast<int>(px))] =
        colorValue;
}
