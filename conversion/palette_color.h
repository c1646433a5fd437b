// One palette colour as the conversion handles it, with its packed 24-bit form.
#pragma once

#include <array>
#include <cstdint>

struct PaletteColor {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    /** Red + 256 * Green + 65536 * Blue: the form the preview drawing takes. */
    std::uint32_t ColorValue = 0;

    static PaletteColor fromRgb(int red, int green, int blue) {
        return {red, green, blue, static_cast<std::uint32_t>(red + 256 * green + 65536 * blue)};
    }
    bool operator==(const PaletteColor&) const = default;
};

/** 256 colours indexed by palette index; never-filled colours are black. */
using Palette = std::array<PaletteColor, 256>;
