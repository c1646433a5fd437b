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
// Far enough from 0..255 that an unsearched entry never wins; its distance still fits 16 bits.
constexpr std::int16_t kUnsearched = 0x3FFF;
constexpr std::int16_t kNone = INT16_MAX;
// The scan covers whole blocks of this many entries: a fixed trip count the compiler vectorises.
constexpr std::size_t kBlock = 32;
// Each index as a 16-bit number, so the lowest-index pass needs no conversions.
constexpr std::array<std::int16_t, 256> kIndices = [] {
    std::array<std::int16_t, 256> indices{};
    for (int i = 0; i < 256; ++i) indices[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
    return indices;
}();

// Plain 16-bit helpers without branches: the vectoriser turns them into one instruction each.
std::int16_t larger(std::int16_t a, std::int16_t b) { return a > b ? a : b; }
std::int16_t smaller(std::int16_t a, std::int16_t b) { return a < b ? a : b; }
std::int16_t difference(std::int16_t a, std::int16_t b) {
    return larger(static_cast<std::int16_t>(a - b), static_cast<std::int16_t>(b - a));
}
}  // namespace

ColorMatcher::ColorMatcher(Palette& target, int lastSlot, int paletteBase)
    : m_target(target), m_lastSlot(lastSlot), m_paletteBase(paletteBase) {
    if (paletteBase < 0 || paletteBase > lastSlot || lastSlot > kTopSlot) {
        throw ConversionError("Colour search range " + std::to_string(paletteBase) + " to " +
                              std::to_string(lastSlot) + " is not valid");
    }
    m_red.fill(kUnsearched);
    m_green.fill(kUnsearched);
    m_blue.fill(kUnsearched);
    for (int k = paletteBase; k <= lastSlot; ++k) setSearched(k, target[static_cast<std::size_t>(k)]);
}

void ColorMatcher::setSearched(int index, const PaletteColor& color) {
    const auto k = static_cast<std::size_t>(index);
    m_red[k] = static_cast<std::int16_t>(color.Red);
    m_green[k] = static_cast<std::int16_t>(color.Green);
    m_blue[k] = static_cast<std::int16_t>(color.Blue);
}

int ColorMatcher::MatchColor(const PaletteColor& color) {
    // Two passes over the blocks that hold the searched range: the smallest largest-component
    // difference, then the lowest index that has it. Neither pass branches or stops early, so
    // both run eight entries at a time.
    const auto red = static_cast<std::int16_t>(color.Red);
    const auto green = static_cast<std::int16_t>(color.Green);
    const auto blue = static_cast<std::int16_t>(color.Blue);
    const std::size_t firstBlock = static_cast<std::size_t>(m_paletteBase) / kBlock * kBlock;
    const std::size_t endBlock = (static_cast<std::size_t>(m_lastSlot) / kBlock + 1) * kBlock;
    alignas(64) std::array<std::int16_t, 256> distances;
    std::int16_t smallest = kNone;
    for (std::size_t block = firstBlock; block < endBlock; block += kBlock) {
        for (std::size_t j = 0; j < kBlock; ++j) {
            const std::size_t k = block + j;
            const std::int16_t d = larger(larger(difference(m_red[k], red), difference(m_green[k], green)),
                                          difference(m_blue[k], blue));
            distances[k] = d;
            smallest = smaller(smallest, d);
        }
    }
    std::int16_t lowest = kNone;
    for (std::size_t block = firstBlock; block < endBlock; block += kBlock) {
        for (std::size_t j = 0; j < kBlock; ++j) {
            const std::size_t k = block + j;
            const auto same = static_cast<std::int16_t>(-static_cast<std::int16_t>(distances[k] == smallest));
            lowest = smaller(lowest, static_cast<std::int16_t>((kIndices[k] & same) | (kNone & ~same)));
        }
    }
    const int nearest = lowest;
    const int nearestDistance = smallest;
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
