// The FIFA 2000 work-file template. A converter writes nine pixel areas and the palette colours
// at fixed offsets (work_file_layout.h) and keeps every other byte, so this file has to be a
// whole, valid FIFA 2000 jersey archive around those areas:
// - "SHPI", the file length, 9 entries, directory id "GIMX", then the nine directory records in
//   file order, each pointing at its entry's 16-byte header right before the pixel area;
// - each entry an 8-bit bitmap (0x7B) of its size; hjfr's next-block distance leads to the shared
//   palette (0x2A, 256 x 1) right after its pixels, which ends the chain;
// - the 400 bytes after the palette and the few bytes between the later entries are zero
//   padding: FSH readers take a gap between entries as padding, and nothing in the game's
//   pictures needs them, so there is nothing to gain from an attachment there;
// - nothing follows the last pixel (lslv), so the file is exactly as long as the layout needs.
// The pictures are a plain light grey kit, painted in the palette's fixed colours 0..191 only:
// a load whose jersey lacks a picture keeps the template's, and slots 192..255 will by then hold
// that jersey's colours.
#include "tools/work_template.h"

#include <stdexcept>
#include <string>

#include "conversion/work_file_layout.h"
#include "tools/fsh_blocks.h"
#include "tools/fsh_writer.h"
#include "tools/kit_painter.h"
#include "tools/palette_design.h"
#include "tools/tone_palette.h"

namespace WorkTemplate {
namespace {

namespace L = WorkFileLayout;

constexpr std::uint32_t kBlockHeaderBytes = 16;
// FIFA 2000's sleeve rows sit 7 pixels further round the arm than FIFA 99's; the conversion
// turns each row right by 7, and so do we, so the template's sleeves look like converted ones.
constexpr int kSleeveRowTurn = 7;

KitDesign plainGreyKit() {
    KitDesign kit;
    kit.pattern = KitDesign::Pattern::Plain;
    kit.neck = KitDesign::Neck::Crew;
    constexpr Rgb kLightGrey{200, 200, 200};
    constexpr Rgb kMidGrey{140, 140, 140};
    kit.colours.fill(kLightGrey);
    kit.colours[KitDesign::Trim] = kMidGrey;
    kit.badge = false;
    kit.number = -1;
    return kit;
}

IndexedImage paint(const KitPainter& painter, const L::PixelArea& area) {
    const std::string tag = area.tag;
    if (tag.ends_with("jfr")) return painter.front(area.width, area.height);
    if (tag.ends_with("slv")) {
        IndexedImage sleeve = painter.sleeve(area.width, area.height);
        sleeve.rotateRowsRight(kSleeveRowTurn);
        return sleeve;
    }
    return painter.back(area.width, area.height);  // hjbk, mjbx, ljbx
}

}  // namespace

std::vector<std::uint8_t> build(std::span<const Rgb> palette) {
    if (palette.size() != 256) throw std::invalid_argument("the template needs 256 colours");

    const KitDesign kit = plainGreyKit();
    const TonePalette tones({kit.colours.begin(), kit.colours.end()}, kit.tones, kit.darkest,
                            kit.highlight);
    const KitPainter painter(kit, tones);
    // Each tone becomes the nearest of the palette's fixed colours.
    std::vector<std::uint8_t> toPalette(256, 0);
    for (std::size_t tone = 0; tone < tones.colours().size(); ++tone) {
        toPalette[tone] = static_cast<std::uint8_t>(PaletteDesign::nearestIndex(
            palette, tones.colours()[tone], 0, PaletteDesign::kFixedColours - 1));
    }

    FshWriter writer("GIMX", 8);
    for (const L::PixelArea& area : L::kAreasInFileOrder) {
        IndexedImage image = paint(painter, area);
        image.remap(toPalette);
        std::vector<FshWriter::Block> blocks{FshBlocks::bitmap(image)};
        if (area.offset == L::kHjfr.offset) {
            blocks.push_back(FshBlocks::palette(FshBlocks::kPaletteBgra, palette));
        }
        writer.addEntry(area.tag, std::move(blocks), area.offset - kBlockHeaderBytes);
    }
    std::vector<std::uint8_t> file = writer.build(L::kMinimumLength);

    // The layout follows from the sizes; make sure it is the one the converter writes into.
    if (file.size() != L::kMinimumLength ||
        file[L::kPaletteOffset - kBlockHeaderBytes] != FshBlocks::kPaletteBgra) {
        throw std::logic_error("work-file template does not match the FIFA 2000 layout");
    }
    return file;
}

}  // namespace WorkTemplate
