// PNG files for the preview pictures, without any GUI library.
#pragma once

#include <cstdint>
#include <vector>

/**
 * A PNG file of width x height 8-bit RGB pixels given as colour values (red in the low byte, as
 * the conversion draws them). Empty when the encoder fails.
 */
std::vector<std::uint8_t> encodePng(int width, int height,
                                    const std::vector<std::uint32_t>& colorValues);
