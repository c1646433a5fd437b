// A kit's colours, each in a few shading tones: the indexed colours a kit picture is painted in.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/rgb.h"

class TonePalette {
public:
    /**
     * Each base colour gets `tones` tones from darkest (the base darkened by -darkest, e.g. 0.36)
     * up to highlight (the base lightened toward white by that share), with one tone that is the
     * base colour itself.
     */
    TonePalette(std::vector<Rgb> bases, int tones, double darkest, double highlight);

    int tones() const { return m_tones; }
    /** The tone that is the base colour unchanged: badges, numbers on a flat sheet. */
    int flatTone() const { return m_flatTone; }
    /** Palette index of a base colour's tone; tone 0 is the darkest. */
    std::uint8_t index(int base, int tone) const;
    /** The tone nearest to light (0 darkest .. 1 brightest), clamped. */
    std::uint8_t indexForLight(int base, double light) const;
    std::uint8_t flat(int base) const { return index(base, m_flatTone); }

    /** All tones, base by base: the colour of palette index i is colours()[i]. */
    const std::vector<Rgb>& colours() const { return m_colours; }

private:
    int m_bases;
    int m_tones;
    int m_flatTone;
    std::vector<Rgb> m_colours;
};
