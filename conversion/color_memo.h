// The colour search's answers kept for one load: after the front picture has built the shared
// palette, the eight later pictures search the same unchanging palette from the same start, and
// their source palettes share colours and are reused whole (hjbk feeds three targets, mjfr and
// mrsv two each), so each distinct colour is searched once per load instead of once per picture.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "palette_color.h"

class ColorMemo {
public:
    /** Forgets every answer unless they were found on this palette from this start. */
    void prepare(const Palette& palette, int paletteBase);

    std::optional<int> find(const PaletteColor& color) const;
    void remember(const PaletteColor& color, int index);

    /** A whole source palette's answers, index by index, when that palette was mapped before. */
    const std::array<int, 256>* mapOf(const Palette& sourcePalette) const;
    void rememberMap(const Palette& sourcePalette, const std::array<int, 256>& map);

private:
    // Open addressing on the 24-bit colour: at most 4 x 256 colours a load, so the table never
    // fills beyond a quarter and probes stay short.
    static constexpr std::size_t kSlots = 4096;
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;

    std::size_t slotOf(std::uint32_t key) const;

    std::array<std::uint32_t, kSlots> m_keys{};
    std::array<std::uint8_t, kSlots> m_indices{};
    std::size_t m_used = 0;
    std::optional<Palette> m_palette;
    int m_paletteBase = -1;
    // A FIFA 99 kit has five pictures with a palette each; the later FIFA 2000 pictures read four.
    struct SourceMap {
        Palette sourcePalette;
        std::array<int, 256> map;
    };
    std::array<std::optional<SourceMap>, 4> m_maps;
};
