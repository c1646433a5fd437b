// Colour matching. The search is a widening tolerance: exact first, then within 1, 2, 3, 4 of
// every component, then a new slot, then wider until something matches. Taking the searched index
// with the smallest largest-component difference (lowest index first) gives the same answers
// without repeating the scan for each tolerance.
#include "conversion/color_matcher.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "conversion/conversion_error.h"

namespace {
// The scan covers whole blocks of this many entries: one vector register of bytes.
constexpr std::size_t kBlock = 16;

#if defined(__SSE2__)
/** Each entry's largest component difference from the colour, 16 entries at once. */
__m128i distances(const std::uint8_t* red, const std::uint8_t* green, const std::uint8_t* blue,
                  __m128i r, __m128i g, __m128i b) {
    auto apart = [](__m128i x, __m128i y) {  // |x - y| of unsigned bytes
        return _mm_or_si128(_mm_subs_epu8(x, y), _mm_subs_epu8(y, x));
    };
    const auto load = [](const std::uint8_t* at) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(at));
    };
    return _mm_max_epu8(_mm_max_epu8(apart(load(red), r), apart(load(green), g)),
                        apart(load(blue), b));
}
#endif
}  // namespace

ColorMatcher::ColorMatcher(Palette& target, int lastSlot, int paletteBase)
    : m_target(target), m_lastSlot(lastSlot), m_paletteBase(paletteBase) {
    if (paletteBase < 0 || paletteBase > lastSlot || lastSlot > kTopSlot) {
        throw ConversionError("Colour search range " + std::to_string(paletteBase) + " to " +
                              std::to_string(lastSlot) + " is not valid");
    }
    m_outside.fill(0xFF);
    for (int k = paletteBase; k <= lastSlot; ++k)
        setSearched(k, target[static_cast<std::size_t>(k)]);
}

void ColorMatcher::setSearched(int index, const PaletteColor& color) {
    const auto k = static_cast<std::size_t>(index);
    m_red[k] = static_cast<std::uint8_t>(color.Red);
    m_green[k] = static_cast<std::uint8_t>(color.Green);
    m_blue[k] = static_cast<std::uint8_t>(color.Blue);
    m_outside[k] = 0;
}

int ColorMatcher::MatchColor(const PaletteColor& color) {
    // Two passes over the blocks that hold the searched range: the smallest distance, then the
    // lowest searched index at that distance. Every component is a byte, so is every distance.
    const std::size_t firstBlock = static_cast<std::size_t>(m_paletteBase) / kBlock * kBlock;
    const std::size_t endBlock = (static_cast<std::size_t>(m_lastSlot) / kBlock + 1) * kBlock;
    int nearest = m_paletteBase;
    int nearestDistance = 0;
#if defined(__SSE2__)
    // Every x86-64 processor has SSE2: sixteen entries at a time, no branch in the first pass.
    const __m128i red = _mm_set1_epi8(static_cast<char>(color.Red));
    const __m128i green = _mm_set1_epi8(static_cast<char>(color.Green));
    const __m128i blue = _mm_set1_epi8(static_cast<char>(color.Blue));
    auto outsideOf = [this](std::size_t k) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(&m_outside[k]));
    };
    __m128i smallest = _mm_set1_epi8(-1);
    for (std::size_t k = firstBlock; k < endBlock; k += kBlock) {
        const __m128i apart = distances(&m_red[k], &m_green[k], &m_blue[k], red, green, blue);
        smallest = _mm_min_epu8(smallest, _mm_or_si128(apart, outsideOf(k)));
    }
    // The smallest of the sixteen, folded into byte 0.
    smallest = _mm_min_epu8(smallest, _mm_srli_si128(smallest, 8));
    smallest = _mm_min_epu8(smallest, _mm_srli_si128(smallest, 4));
    smallest = _mm_min_epu8(smallest, _mm_srli_si128(smallest, 2));
    smallest = _mm_min_epu8(smallest, _mm_srli_si128(smallest, 1));
    nearestDistance = _mm_cvtsi128_si32(smallest) & 0xFF;
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(nearestDistance));
    for (std::size_t k = firstBlock; k < endBlock; k += kBlock) {
        const __m128i apart = distances(&m_red[k], &m_green[k], &m_blue[k], red, green, blue);
        const __m128i found = _mm_andnot_si128(outsideOf(k), _mm_cmpeq_epi8(apart, wanted));
        if (const int lanes = _mm_movemask_epi8(found); lanes != 0) {
            nearest = static_cast<int>(k) + std::countr_zero(static_cast<unsigned>(lanes));
            break;
        }
    }
#else
    nearestDistance = 256;
    for (int k = m_paletteBase; k <= m_lastSlot; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const int apart =
            std::max({std::abs(m_red[at] - color.Red), std::abs(m_green[at] - color.Green),
                      std::abs(m_blue[at] - color.Blue)});
        if (apart < nearestDistance) nearest = k, nearestDistance = apart;
    }
#endif
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

std::array<std::uint8_t, 256> ColorMatcher::matchPalette(const Palette& colors) {
    if (m_lastSlot != kTopSlot)
        throw ConversionError("The palette still takes colours; they are matched one by one");
    std::array<std::uint8_t, 256> answers{};
    int farthest = 0;
#if defined(__SSE2__)
    // Sixteen colours at a time against each searched entry in turn, keeping for each colour the
    // smallest distance so far and its index: no per-colour folding of the lanes, and a later
    // entry replaces the kept one only when strictly nearer, so the lowest index wins a tie.
    alignas(16) std::array<std::uint8_t, 256> red, green, blue;
    for (std::size_t k = 0; k < colors.size(); ++k) {
        red[k] = static_cast<std::uint8_t>(colors[k].Red);
        green[k] = static_cast<std::uint8_t>(colors[k].Green);
        blue[k] = static_cast<std::uint8_t>(colors[k].Blue);
    }
    const auto load = [](const std::uint8_t* at) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(at));
    };
    const auto apart = [](__m128i x, __m128i y) {
        return _mm_or_si128(_mm_subs_epu8(x, y), _mm_subs_epu8(y, x));
    };
    // Each searched entry's components spread over a whole register, made once for all colours.
    const auto first = static_cast<std::size_t>(m_paletteBase);
    struct Spread {
        __m128i red, green, blue;
    };
    std::array<Spread, 256> entries;
    for (std::size_t k = first; k < entries.size(); ++k) {
        entries[k] = {_mm_set1_epi8(static_cast<char>(m_red[k])),
                      _mm_set1_epi8(static_cast<char>(m_green[k])),
                      _mm_set1_epi8(static_cast<char>(m_blue[k]))};
    }
    const __m128i one = _mm_set1_epi8(1);
    __m128i farthestSeen = _mm_setzero_si128();
    for (std::size_t c = 0; c < colors.size(); c += kBlock) {
        const __m128i r = load(&red[c]), g = load(&green[c]), b = load(&blue[c]);
        const auto distanceTo = [&](const Spread& entry) {
            return _mm_max_epu8(_mm_max_epu8(apart(r, entry.red), apart(g, entry.green)),
                                apart(b, entry.blue));
        };
        __m128i index = _mm_set1_epi8(static_cast<char>(first));
        __m128i nearest = index;
        __m128i smallest = distanceTo(entries[first]);
        for (std::size_t k = first + 1; k < entries.size(); ++k) {
            index = _mm_add_epi8(index, one);
            const __m128i smaller = _mm_min_epu8(smallest, distanceTo(entries[k]));
            const __m128i kept = _mm_cmpeq_epi8(smaller, smallest);  // not strictly nearer
            nearest = _mm_or_si128(_mm_and_si128(kept, nearest), _mm_andnot_si128(kept, index));
            smallest = smaller;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&answers[c]), nearest);
        farthestSeen = _mm_max_epu8(farthestSeen, smallest);
    }
    alignas(16) std::array<std::uint8_t, kBlock> lanes;
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes.data()), farthestSeen);
    farthest = *std::max_element(lanes.begin(), lanes.end());
#else
    for (std::size_t c = 0; c < colors.size(); ++c) {
        int nearest = m_paletteBase;
        int nearestDistance = 256;
        for (int k = m_paletteBase; k <= m_lastSlot; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const int apart = std::max({std::abs(m_red[at] - colors[c].Red),
                                        std::abs(m_green[at] - colors[c].Green),
                                        std::abs(m_blue[at] - colors[c].Blue)});
            if (apart < nearestDistance) nearest = k, nearestDistance = apart;
        }
        answers[c] = static_cast<std::uint8_t>(nearest);
        farthest = std::max(farthest, nearestDistance);
    }
#endif
    if (farthest > kCloseEnough) m_ranOutOfSlots = true;
    return answers;
}
