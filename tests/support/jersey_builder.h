// Builds small FIFA 99 jersey archives for the tests: a directory of 14 records and, for each
// picture, an 8-bit bitmap with its own attached palette.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "conversion/palette_color.h"

struct BuilderPicture {
    std::string tag;  // as stored in the directory, any case
    int width;
    int height;
    std::function<std::uint8_t(int x, int y)> pixel;
    Palette palette;
    std::uint8_t paletteType = 0x2A;
};

class JerseyBuilder {
public:
    /** The five pictures a conversion reads, pixel(x, y) and palette given. */
    static JerseyBuilder standard(const std::function<std::uint8_t(int, int)>& pixel,
                                  const Palette& palette, std::uint8_t paletteType = 0x2A);

    JerseyBuilder& add(BuilderPicture picture);
    JerseyBuilder& remove(const std::string& tag);
    /** The archive; directory records beyond the pictures are filled with unused tags. */
    std::vector<std::uint8_t> build() const;

    std::vector<BuilderPicture> pictures;
};

/** Palette whose colour i is grey (i, i, i). */
Palette greyPalette();
