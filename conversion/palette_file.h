// The palette file fifa2k.pal (JASC-PAL text): the colours every converted jersey starts from.
#pragma once

#include <string>
#include <string_view>

#include "conversion/palette_color.h"

/**
 * Reads program-folder palette file at path: colours 0 to N-1 from the file, the rest black.
 * Throws PaletteFileError when the file is missing, is not a JASC-PAL file, or is damaged (more
 * than 256 colours, fewer colour lines than announced, components outside 0..255).
 */
Palette LoadPaletteFile(const std::string& path);

/** The same, from the file's text. */
Palette ParsePaletteFile(std::string_view text);
