// Colour matching. The search is a widening tolerance: exact first, then within 1, 2, 3, 4 of
// every component, then a new slot, then wider until something matches. Taking the searched index
// with the smallest largest-component difference (lowest index first) gives the same answers
// without repeating the scan for each tolerance.
#include "color_matcher.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "conversion_error.h"

namespace {
// The scan covers whole blocks of this many entries: a fixed trip count the compiler vectorises.
constexpr std::size_t kBlock = 32;
// Each index as a 16-bit number, so the scan needs no conversions.
constexpr std::array<std::uint16_t, 256> kIndices = [] {
    std::array<std::uint16_t, 256> indices{};
    for (int i = 0; i < 256; ++i)
        indices[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i);
    return indices;
}();

// Plain 16-bit helpers without branches: the vectoriser turns each into one or two instructions.
std::int16_t larger(std::int16_t a, std::int16_t b) { return a > b ? a : b; }
std::int16_t smaller(std::int16_t a, std::int16_t b) { return a < b ? a : b; }
std::int16_t difference(std::uint16_t a, std::uint16_t b) {
    return larger(static_cast<std::int16_t>(a - b), static_cast<std::int16_t>(b - a));
}
}  // namespace

ColorMatcher::ColorMatcher(Palette& target, int lastSlot, int paletteBase)
    : m_target(target), m_lastSlot(lastSlot), m_paletteBase(paletteBase) {
    if (paletteBase < 0 || paletteBase > lastSlot || lastSlot > kTopSlot) {
        throw ConversionError("Colour search range " + std::to_string(paletteBase) + " to " +
                              std::to_string(lastSlot) + " is not valid");
    }
    m_outside.fill(0xFFFF);
    for (int k = paletteBase; k <= lastSlot; ++k)
        setSearched(k, target[static_cast<std::size_t>(k)]);
}

void ColorMatcher::setSearched(int index, const PaletteColor& color) {
    const auto k = static_cast<std::size_t>(index);
    m_red[k] = static_cast<std::uint16_t>(color.Red);
    m_green[k] = static_cast<std::uint16_t>(color.Green);
    m_blue[k] = static_cast<std::uint16_t>(color.Blue);
    m_outside[k] = 0;
}

int ColorMatcher::MatchColor(const PaletteColor& color) {
    // One pass over the blocks that hold the searched range. Each entry's key is its distance
    // (0..255: every component is a byte) above its index, so the smallest key is the nearest
    // entry and, of equally near ones, the lowest index; entries outside the range have the
    // largest key there is. Flipping the top bit lets the signed 16-bit minimum, which every
    // x86-64 processor has, order the keys as unsigned numbers. No branch, no early exit: the
    // compiler runs it eight entries at a time.
    const auto red = static_cast<std::uint16_t>(color.Red);
    const auto green = static_cast<std::uint16_t>(color.Green);
    const auto blue = static_cast<std::uint16_t>(color.Blue);
    const std::size_t firstBlock = static_cast<std::size_t>(m_paletteBase) / kBlock * kBlock;
    const std::size_t endBlock = (static_cast<std::size_t>(m_lastSlot) / kBlock + 1) * kBlock;
    std::int16_t best = INT16_MAX;
    for (std::size_t block = firstBlock; block < endBlock; block += kBlock) {
        for (std::size_t j = 0; j < kBlock; ++j) {
            const std::size_t k = block + j;
            const auto distance = static_cast<std::uint16_t>(
                larger(larger(difference(m_red[k], red), difference(m_green[k], green)),
                       difference(m_blue[k], blue)));
            const auto key = static_cast<std::uint16_t>(distance << 8 | kIndices[k] | m_outside[k]);
            best = smaller(best, static_cast<std::int16_t>(key ^ 0x8000));
        }
    }
    const auto key = static_cast<std::uint16_t>(static_cast<std::uint16_t>(best) ^ 0x8000);
    const int nearest = key & 0xFF;
    const int nearestDistance = key >> 8;
    if (nearestDistance <= kCloseEnough) return nearest;
    if (m_lastSlot == kTopSlot) {
        m_ranOutOfSlots = true;
        return nearest;
    }
    ++m_lastSlot;
    m_target[static_cast<std::size_t>(m_lastSlot)] = color;
    setSearched(m_lastSlot, color);
    return m_lastSlot;
}
