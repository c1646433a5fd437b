// A decoded skin picture: its size and its pixels, as the toolkit's picture reader gives them.
#pragma once

#include <cstdint>
#include <vector>

struct SkinPicture {
    int width = 0;
    int height = 0;
    /** Row by row from the top-left corner, each pixel 0xRRGGBB. */
    std::vector<std::uint32_t> pixels;
};
