// Our FIFA 2000 palette (fifa2k.pal): the 192 fixed colours, the 64 placeholder slots, and the
// JASC-PAL text the converter reads them from.
#pragma once

#include <array>
#include <span>
#include <string>

#include "tools/rgb.h"

namespace PaletteDesign {

/** Colours 0..191 are the palette file's own; 192..255 are taken by a jersey's colours. */
inline constexpr int kFixedColours = 192;
/** The one fixed colour that the normal colour mode searches too. */
inline constexpr int kAlwaysSearched = 191;

std::array<Rgb, 256> fifa2kColours();

/** "JASC-PAL", "0100", the colour count, then one "R G B" line per colour; CR LF line ends. */
std::string jascText(std::span<const Rgb> colours);

/**
 * Index in first..last of the colour nearest to wanted by the largest of the red, green and blue
 * differences, the lowest index on a tie: the measure the converter matches colours by.
 */
int nearestIndex(std::span<const Rgb> colours, Rgb wanted, int first, int last);

}  // namespace PaletteDesign
