// Whole source palettes' answers kept for one load: after the front picture has built the shared
// palette, the eight later pictures search the same unchanging palette from the same start, and
// hjbk feeds three of them, mjfr and mrsv two each, so each source palette is searched once a load.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "conversion/palette_color.h"

class ColorMemo {
public:
    using Map = std::array<std::uint8_t, 256>;

    /** Forgets every answer unless they were found on this palette from this start. */
    void prepare(const Palette& palette, int paletteBase);

    /** A whole source palette's answers, index by index, when that palette was mapped before. */
    const Map* mapOf(const Palette& sourcePalette) const;
    void rememberMap(const Palette& sourcePalette, const Map& map);

private:
    std::optional<Palette> m_palette;
    int m_paletteBase = -1;
    // A FIFA 99 kit has five pictures with a palette each; the later FIFA 2000 pictures read four.
    struct SourceMap {
        Palette sourcePalette;
        Map map;
    };
    std::array<std::optional<SourceMap>, 4> m_maps;
};
