// Test archives.
#include "tests/support/jersey_builder.h"

#include <algorithm>

namespace {
void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
}  // namespace

JerseyBuilder JerseyBuilder::standard(const std::function<std::uint8_t(int, int)>& pixel,
                                      const Palette& palette, std::uint8_t paletteType) {
    JerseyBuilder builder;
    for (auto [tag, w, h] : {std::tuple{"hjfr", 128, 128},
                             {"hjbk", 64, 64},
                             {"mjfr", 64, 64},
                             {"hrsv", 64, 48},
                             {"mrsv", 32, 24}}) {
        builder.add({tag, w, h, pixel, palette, paletteType});
    }
    return builder;
}

JerseyBuilder& JerseyBuilder::add(BuilderPicture picture) {
    pictures.push_back(std::move(picture));
    return *this;
}

JerseyBuilder& JerseyBuilder::remove(const std::string& tag) {
    std::erase_if(pictures, [&](const BuilderPicture& p) { return p.tag == tag; });
    return *this;
}

std::vector<std::uint8_t> JerseyBuilder::build() const {
    std::vector<std::uint8_t> out(16 + 8 * 14, 0);
    std::copy_n("SHPI", 4, out.begin());
    put32(out, 8, 14);
    std::copy_n("GIMX", 4, out.begin() + 12);
    for (std::size_t i = 0; i < 14; ++i) {
        const std::size_t record = 16 + 8 * i;
        if (i >= pictures.size()) {
            std::copy_n("xxxx", 4, out.begin() + static_cast<std::ptrdiff_t>(record));
            continue;
        }
        const BuilderPicture& p = pictures[i];
        std::copy_n(p.tag.begin(), 4, out.begin() + static_cast<std::ptrdiff_t>(record));
        const std::size_t entry = out.size();
        put32(out, record + 4, static_cast<std::uint32_t>(entry));
        const std::size_t pixels = static_cast<std::size_t>(p.width * p.height);
        const std::size_t attachment = 16 + pixels;
        out.resize(entry + attachment + 16 + (p.paletteType == 0x24 ? 768 : 1024), 0);
        out[entry] = 0x7B;
        put32(out, entry + 1,
              static_cast<std::uint32_t>(attachment));  // 24 bits; 4th byte is width's
        out[entry + 4] = static_cast<std::uint8_t>(p.width);
        out[entry + 6] = static_cast<std::uint8_t>(p.height);
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                out[entry + 16 + static_cast<std::size_t>(y * p.width + x)] = p.pixel(x, y);
            }
        }
        const std::size_t block = entry + attachment;
        out[block] = p.paletteType;
        out[block + 4] = 0;
        out[block + 5] = 1;  // 256 colours
        out[block + 6] = 1;
        for (std::size_t k = 0; k < 256; ++k) {
            const PaletteColor& c = p.palette[k];
            std::uint8_t* at = &out[block + 16 + k * (p.paletteType == 0x24 ? 3 : 4)];
            if (p.paletteType == 0x24) {
                at[0] = static_cast<std::uint8_t>(c.Red),
                at[1] = static_cast<std::uint8_t>(c.Green),
                at[2] = static_cast<std::uint8_t>(c.Blue);
            } else {
                at[0] = static_cast<std::uint8_t>(c.Blue),
                at[1] = static_cast<std::uint8_t>(c.Green),
                at[2] = static_cast<std::uint8_t>(c.Red), at[3] = 255;
            }
        }
    }
    put32(out, 4, static_cast<std::uint32_t>(out.size()));
    return out;
}

Palette greyPalette() {
    Palette palette;
    for (int i = 0; i < 256; ++i)
        palette[static_cast<std::size_t>(i)] = PaletteColor::fromRgb(i, i, i);
    return palette;
}
