// Colour matching. The search is a widening tolerance: exact first, then within 1, 2, 3, 4 of
// every component, then a new slot, then wider until something matches. Taking the searched index
// with the smallest largest-component difference (lowest index first) gives the same answers
// without repeating the scan for each tolerance.
#include "color_matcher.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "conversion_error.h"

ColorMatcher::ColorMatcher(Palette& target, int lastSlot, int paletteBase)
    : m_target(target), m_lastSlot(lastSlot), m_paletteBase(paletteBase) {
    if (paletteBase < 0 || paletteBase > lastSlot || lastSlot > kTopSlot) {
        throw ConversionError("Colour search range " + std::to_string(paletteBase) + " to " +
                              std::to_string(lastSlot) + " is not valid");
    }
}

int ColorMatcher::MatchColor(const PaletteColor& color) {
    int nearest = m_paletteBase;
    int nearestDistance = 1 << 30;
    for (int k = m_paletteBase; k <= m_lastSlot; ++k) {
        const PaletteColor& p = m_target[static_cast<std::size_t>(k)];
        const int distance = std::max({std::abs(p.Red - color.Red), std::abs(p.Green - color.Green),
                                       std::abs(p.Blue - color.Blue)});
        if (distance < nearestDistance) {
            nearest = k;
            nearestDistance = distance;
            if (distance == 0) break;
        }
    }
    if (nearestDistance <= kCloseEnough) return nearest;
    if (m_lastSlot == kTopSlot) {
        m_ranOutOfSlots = true;
        return nearest;
    }
    ++m_lastSlot;
    m_target[static_cast<std::size_t>(m_lastSlot)] = color;
    return m_lastSlot;
}
