// FSH bitmap and palette blocks: the header fields and the data bytes in the game's byte order.
#include "tools/fsh_blocks.h"

#include <stdexcept>

namespace FshBlocks {

FshWriter::Block bitmap(const IndexedImage& image) {
    return {kBitmap8, static_cast<std::uint16_t>(image.width()),
            static_cast<std::uint16_t>(image.height()), image.pixels()};
}

FshWriter::Block palette(std::uint8_t code, std::span<const Rgb> colours) {
    // A palette block is one row of colours: width = number of colours, height 1.
    FshWriter::Block block{code, static_cast<std::uint16_t>(colours.size()), 1, {}};
    for (const Rgb& colour : colours) {
        if (code == kPaletteBgra) {
            block.data.insert(block.data.end(), {colour.blue, colour.green, colour.red, 0xFF});
        } else if (code == kPaletteRgb) {
            block.data.insert(block.data.end(), {colour.red, colour.green, colour.blue});
        } else {
            throw std::invalid_argument("unsupported palette block code");
        }
    }
    return block;
}

}  // namespace FshBlocks
