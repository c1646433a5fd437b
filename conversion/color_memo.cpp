// Remembered colour-search answers.
#include "conversion/color_memo.h"

void ColorMemo::prepare(const Palette& palette, int paletteBase) {
    if (m_palette == palette && m_paletteBase == paletteBase) return;
    for (auto& map : m_maps) map.reset();
    m_palette = palette;
    m_paletteBase = paletteBase;
}

const ColorMemo::Map* ColorMemo::mapOf(const Palette& sourcePalette) const {
    for (const auto& entry : m_maps) {
        if (entry && entry->sourcePalette == sourcePalette) return &entry->map;
    }
    return nullptr;
}

void ColorMemo::rememberMap(const Palette& sourcePalette, const Map& map) {
    if (!m_palette) return;
    for (auto& entry : m_maps) {
        if (!entry) {
            entry = SourceMap{sourcePalette, map};
            return;
        }
    }
}
