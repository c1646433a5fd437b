// The two logos of the About window, drawn pixel by pixel in the window's grey.
#pragma once

#include "tools/rgb_image.h"

namespace LogoDesign {

/** 32 x 32: a jersey with a chevron across the chest, beside the product's name. */
RgbImage jerseyLogo();

/** 33 x 33: a football of black and white patches. */
RgbImage ballLogo();

}  // namespace LogoDesign
