// The shared palette stored in the work file, attached to the big front picture: 256 colours of
// blue, green, red, alpha. The front's conversion builds it; the other eight read it back.
#pragma once

#include "conversion/palette_color.h"
#include "conversion/work_file.h"

Palette LoadWorkPalette(WorkFile& work);

/** Writes all 256 colours, every alpha byte 255. */
void StoreWorkPalette(WorkFile& work, const Palette& palette);
