// Builds a FIFA 99 jersey archive (14 bitmaps, each with its own palette) from a kit design.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/kit_design.h"

namespace SampleBuilder {

/** The 14 pictures of a FIFA 99 jersey, in the directory order most files use. */
std::vector<std::string_view> standardEntryOrder();

/** Width and height of one of the 14 pictures; throws std::invalid_argument for another tag. */
std::pair<int, int> pictureSize(std::string_view tag);

std::vector<std::uint8_t> build(const KitDesign& design);

}  // namespace SampleBuilder
