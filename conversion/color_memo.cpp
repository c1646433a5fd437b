// Remembered colour-search answers.
#include "color_memo.h"

void ColorMemo::prepare(const Palette& palette, int paletteBase) {
    if (m_palette == palette && m_paletteBase == paletteBase) return;
    m_keys.fill(kEmpty);
    m_used = 0;
    for (auto& map : m_maps) map.reset();
    m_palette = palette;
    m_paletteBase = paletteBase;
}

std::size_t ColorMemo::slotOf(std::uint32_t key) const {
    std::size_t slot = (key * 2654435761u >> 12) % kSlots;  // multiplicative hash
    while (m_keys[slot] != kEmpty && m_keys[slot] != key) slot = (slot + 1) % kSlots;
    return slot;
}

std::optional<int> ColorMemo::find(const PaletteColor& color) const {
    if (!m_palette) return std::nullopt;
    const std::size_t slot = slotOf(color.ColorValue);
    if (m_keys[slot] == kEmpty) return std::nullopt;
    return m_indices[slot];
}

void ColorMemo::remember(const PaletteColor& color, int index) {
    if (!m_palette || m_used >= kSlots / 2) return;  // a full table just stops remembering
    const std::size_t slot = slotOf(color.ColorValue);
    if (m_keys[slot] == kEmpty) ++m_used;
    m_keys[slot] = color.ColorValue;
    m_indices[slot] = static_cast<std::uint8_t>(index);
}

const std::array<int, 256>* ColorMemo::mapOf(const Palette& sourcePalette) const {
    for (const auto& entry : m_maps) {
        if (entry && entry->sourcePalette == sourcePalette) return &entry->map;
    }
    return nullptr;
}

void ColorMemo::rememberMap(const Palette& sourcePalette, const std::array<int, 256>& map) {
    if (!m_palette) return;
    for (auto& entry : m_maps) {
        if (!entry) {
            entry = SourceMap{sourcePalette, map};
            return;
        }
    }
}
