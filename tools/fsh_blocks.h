// The two kinds of FSH block our files hold: 8-bit bitmaps and their 256-colour palettes.
#pragma once

#include <cstdint>
#include <span>

#include "tools/fsh_writer.h"
#include "tools/indexed_image.h"
#include "tools/rgb.h"

namespace FshBlocks {

inline constexpr std::uint8_t kBitmap8 = 0x7B;
/** Four bytes per colour: blue, green, red, alpha. */
inline constexpr std::uint8_t kPaletteBgra = 0x2A;
/** Three bytes per colour: red, green, blue. */
inline constexpr std::uint8_t kPaletteRgb = 0x24;

FshWriter::Block bitmap(const IndexedImage& image);

/** A palette block of the given code (kPaletteBgra with alpha 255, or kPaletteRgb). */
FshWriter::Block palette(std::uint8_t code, std::span<const Rgb> colours);

}  // namespace FshBlocks
