// FIFA 99 jersey archives. Five pictures are the ones a FIFA 2000 converter reads (hjfr front,
// hjbk back, mjfr small front, hrsv and mrsv sleeves); the other nine complete a plausible kit
// file: smaller fronts, backs and sleeves, shorts, socks and a number sheet. Every picture is an
// 8-bit bitmap followed by its own palette block, which the bitmap's next-block distance points
// at; entries and blocks start on 16-byte boundaries.
#include "tools/sample_builder.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "tools/fsh_blocks.h"
#include "tools/fsh_writer.h"
#include "tools/kit_painter.h"
#include "tools/tone_palette.h"

namespace SampleBuilder {
namespace {

enum class Piece { Front, Back, Sleeve, Shorts, Socks, Numbers };

struct Picture {
    std::string_view tag;
    int width;
    int height;
    Piece piece;
};

constexpr Picture kPictures[] = {
    {"hjfr", 128, 128, Piece::Front}, {"hjbk", 64, 64, Piece::Back},
    {"mjfr", 64, 64, Piece::Front},   {"hrsv", 64, 48, Piece::Sleeve},
    {"mrsv", 32, 24, Piece::Sleeve},  {"mjbk", 32, 32, Piece::Back},
    {"ljfr", 32, 32, Piece::Front},   {"ljbk", 16, 16, Piece::Back},
    {"lrsv", 16, 12, Piece::Sleeve},  {"hsht", 64, 32, Piece::Shorts},
    {"lsht", 32, 16, Piece::Shorts},  {"hsck", 32, 32, Piece::Socks},
    {"lsck", 16, 16, Piece::Socks},   {"nmbr", 80, 16, Piece::Numbers},
};

const Picture& picture(std::string_view tag) {
    for (const Picture& candidate : kPictures) {
        if (candidate.tag == tag) return candidate;
    }
    throw std::invalid_argument("no kit picture called " + std::string(tag));
}

IndexedImage paint(const KitPainter& painter, const Picture& picture) {
    switch (picture.piece) {
        case Piece::Front:
            return painter.front(picture.width, picture.height);
        case Piece::Back:
            return painter.back(picture.width, picture.height);
        case Piece::Sleeve:
            return painter.sleeve(picture.width, picture.height);
        case Piece::Shorts:
            return painter.shorts(picture.width, picture.height);
        case Piece::Socks:
            return painter.socks(picture.width, picture.height);
        case Piece::Numbers:
            return painter.numberSheet(picture.width, picture.height);
    }
    throw std::logic_error("unknown kit picture");
}

// A picture's own palette: the colours it uses in the order they first appear, the rest black,
// as a paint program saving each picture on its own would leave it.
std::array<Rgb, 256> ownPalette(IndexedImage& image, const std::vector<Rgb>& toneColours) {
    std::vector<std::uint8_t> map(256, 0);
    std::vector<bool> seen(256, false);
    std::array<Rgb, 256> palette{};
    std::size_t used = 0;
    for (std::uint8_t pixel : image.pixels()) {
        if (seen[pixel]) continue;
        seen[pixel] = true;
        map[pixel] = static_cast<std::uint8_t>(used);
        palette[used++] = toneColours.at(pixel);
    }
    image.remap(map);
    return palette;
}

}  // namespace

std::vector<std::string_view> standardEntryOrder() {
    std::vector<std::string_view> order;
    for (const Picture& picture : kPictures) order.push_back(picture.tag);
    return order;
}

std::pair<int, int> pictureSize(std::string_view tag) {
    const Picture& found = picture(tag);
    return {found.width, found.height};
}

std::vector<std::uint8_t> build(const KitDesign& design) {
    const TonePalette tones({design.colours.begin(), design.colours.end()}, design.tones,
                            design.darkest, design.highlight);
    const KitPainter painter(design, tones);

    std::array<Rgb, 256> shared{};
    std::copy(tones.colours().begin(), tones.colours().end(), shared.begin());

    FshWriter writer(design.directoryId, 16);
    for (const std::string& tag : design.entryOrder) {
        IndexedImage image = paint(painter, picture(tag));
        const std::array<Rgb, 256> palette =
            design.sharedPalette ? shared : ownPalette(image, tones.colours());
        writer.addEntry(
            tag, {FshBlocks::bitmap(image), FshBlocks::palette(design.paletteCode, palette)});
    }
    return writer.build();
}

}  // namespace SampleBuilder
