// Maps a jersey colour onto the shared palette, adding it to the palette's free slots while the
// front picture builds it.
#pragma once

#include <array>
#include <cstdint>

#include "conversion/palette_color.h"

class ColorMatcher {
public:
    /** Highest palette index there is; once lastSlot reaches it no colour is added. */
    static constexpr int kTopSlot = 255;
    /** The last of the fixed colours (white); the jersey's own colours come after it. */
    static constexpr int kLastFixedSlot = 191;
    /** Colours closer than this in every component count as the same colour. */
    static constexpr int kCloseEnough = 4;

    /**
     * Searches target from paletteBase (0 or 191) to lastSlot (191 while the front picture builds
     * the palette, 255 otherwise). Throws ConversionError for a paletteBase outside 0..lastSlot.
     */
    ColorMatcher(Palette& target, int lastSlot, int paletteBase);

    /**
     * The searched index whose largest component difference from color is smallest (lowest index
     * on a tie) when that difference is at most 4; otherwise, while free slots remain, a new slot
     * holding color exactly; otherwise the nearest searched index all the same.
     */
    int MatchColor(const PaletteColor& color);

    /**
     * MatchColor's answers for all 256 colours of a source palette at once, on a palette that no
     * longer grows (lastSlot 255): each the nearest searched index, the lowest on a tie.
     */
    std::array<std::uint8_t, 256> matchPalette(const Palette& colors);

    int lastSlot() const { return m_lastSlot; }
    /** True once a colour far from every searched one found no free slot left. */
    bool ranOutOfSlots() const { return m_ranOutOfSlots; }

private:
    void setSearched(int index, const PaletteColor& color);

    Palette& m_target;
    int m_lastSlot;
    int m_paletteBase;
    bool m_ranOutOfSlots = false;
    // The palette component by component, so a pass over it takes sixteen entries at a time in
    // vector registers. m_outside is 0xFF for entries outside the searched range: whole blocks
    // can then be scanned, and those entries never come nearer than any searched one.
    alignas(16) std::array<std::uint8_t, 256> m_red{};
    alignas(16) std::array<std::uint8_t, 256> m_green{};
    alignas(16) std::array<std::uint8_t, 256> m_blue{};
    alignas(16) std::array<std::uint8_t, 256> m_outside{};
};
