// Reading and writing the work file's palette area.
#include "conversion/work_palette.h"

#include <array>

#include "conversion/work_file_layout.h"

Palette LoadWorkPalette(WorkFile& work) {
    std::array<std::uint8_t, WorkFileLayout::kPaletteBytes> area{};
    work.read(WorkFileLayout::kPaletteOffset, area);
    Palette palette;
    for (std::size_t k = 0; k < palette.size(); ++k) {
        palette[k] = PaletteColor::fromRgb(area[4 * k + 2], area[4 * k + 1], area[4 * k]);
    }
    return palette;
}

void StoreWorkPalette(WorkFile& work, const Palette& palette) {
    std::array<std::uint8_t, WorkFileLayout::kPaletteBytes> area{};
    for (std::size_t k = 0; k < palette.size(); ++k) {
        area[4 * k] = static_cast<std::uint8_t>(palette[k].Blue);
        area[4 * k + 1] = static_cast<std::uint8_t>(palette[k].Green);
        area[4 * k + 2] = static_cast<std::uint8_t>(palette[k].Red);
        area[4 * k + 3] = 255;
    }
    work.write(WorkFileLayout::kPaletteOffset, area);
}
