// Richly shaded kits. Each picture's palette holds four kit colours in 64 shades each, dark to
// light, all 256 different; the pixels pick a colour by a stripe pattern with collar and side
// panels, and a shade by light rippling across the folds of the cloth.
#include "tools/rich_kit.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/fsh_blocks.h"
#include "tools/fsh_writer.h"
#include "tools/indexed_image.h"
#include "tools/sample_builder.h"

namespace RichKit {
namespace {

/** A small deterministic generator, so the same seed gives the same kit on every machine. */
struct Lcg {
    std::uint32_t state;
    std::uint32_t next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
};

std::array<Rgb, 256> shadedPalette(Lcg& random) {
    std::array<Rgb, 256> palette;
    for (int colour = 0; colour < 4; ++colour) {
        const std::array<int, 3> base = {static_cast<int>(random.next() % 256),
                                         static_cast<int>(random.next() % 256),
                                         static_cast<int>(random.next() % 256)};
        // One channel climbs in steps of four from dark to full, the others follow the light;
        // every channel's two low bits carry the colour's number, so all 256 entries differ.
        const int dominant = static_cast<int>(random.next() % 3);
        for (int shade = 0; shade < 64; ++shade) {
            std::array<int, 3> rgb{};
            for (int c = 0; c < 3; ++c) {
                const int value =
                    c == dominant ? 4 * shade : std::min(255, base[c] * (21 + shade) / 64);
                rgb[c] = (value & ~3) | colour;
            }
            palette[static_cast<std::size_t>(colour * 64 + shade)] = {
                static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                static_cast<std::uint8_t>(rgb[2])};
        }
    }
    return palette;
}

IndexedImage shadedPicture(int width, int height, Lcg& random) {
    IndexedImage image(width, height);
    const int bands = 2 + static_cast<int>(random.next() % 6);
    const double ripple = 2 + random.next() % 5;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            const double v = static_cast<double>(y) / height;
            const int colour = v < 0.1 ? 2 : u > 0.85 ? 3 : static_cast<int>(u * bands) % 2;
            // Folds of cloth: the light swings through every shade across the picture.
            const double light = 0.5 + 0.5 * std::sin((u * 1.7 + v * 0.9) * ripple + u * v * 3.0);
            const int shade = std::clamp(static_cast<int>(std::lround(light * 63.0)), 0, 63);
            image.set(x, y, static_cast<std::uint8_t>(colour * 64 + shade));
        }
    }
    return image;
}

}  // namespace

std::vector<std::uint8_t> build(std::uint32_t seed, std::uint8_t paletteCode) {
    Lcg random{seed * 2654435761u + 1};
    FshWriter writer("GIMX", 16);
    for (std::string_view tag : SampleBuilder::standardEntryOrder()) {
        const auto [width, height] = SampleBuilder::pictureSize(tag);
        const std::array<Rgb, 256> palette = shadedPalette(random);
        writer.addEntry(tag, {FshBlocks::bitmap(shadedPicture(width, height, random)),
                              FshBlocks::palette(paletteCode, palette)});
    }
    return writer.build();
}

}  // namespace RichKit
