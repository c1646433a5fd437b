// The colour mode of a conversion: which of the palette's fixed colours a jersey's colours may be
// matched to before they take one of the 64 free slots.
#pragma once

#include <cstdint>

enum class ColorMode {
    /** Only white, the last fixed colour, besides the jersey's own colours. */
    Normal,
    /** "Make 64 Color Jersey": every fixed colour first, so that the free slots go further. */
    SixtyFourColors,
};

/** PaletteBase: the lowest palette index the colour search considers in that mode. */
constexpr std::int16_t paletteBaseOf(ColorMode mode) {
    return mode == ColorMode::SixtyFourColors ? 0 : 191;
}
