// The main window's eight preview boxes in twips, as left, top, width, height: the window places
// them, and the command-line converter's PNG previews take their sizes, so both show the same.
#pragma once

#include <array>

#include "conversion/conversion_host.h"
#include "platform/common/twips.h"

namespace PreviewBoxes {

using Box = Twips::Place;

/**
 * What the conversion draws where: 0 and 1 the big front before and after, 4 and 5 the back, 6
 * and 7 the sleeve, 3 the small pictures one over the other; 2 is cleared with the rest but never
 * drawn.
 */
inline constexpr std::array<Box, ConversionHost::kPreviewCount> kTwips = {{
    {120, 360, 1984, 1984},
    {120, 3360, 1550, 1550},
    {4560, 1560, 540, 540},
    {4560, 4440, 540, 540},
    {2160, 360, 992, 992},
    {2160, 3360, 992, 992},
    {3240, 360, 992, 744},
    {3240, 3360, 992, 744},
}};

}  // namespace PreviewBoxes
