// The JASC-PAL palette file and the palette area of the work file.
#include "conversion/palette_file.h"

#include <gtest/gtest.h>

#include "conversion/conversion_error.h"
#include "conversion/memory_work_file.h"
#include "conversion/work_file_layout.h"
#include "conversion/work_palette.h"

namespace {
std::string paletteText(const std::string& header, const std::vector<std::string>& colors) {
    std::string text = header + "\r\n0100\r\n" + std::to_string(colors.size()) + "\r\n";
    for (const auto& c : colors) text += c + "\r\n";
    return text;
}
}  // namespace

TEST(PaletteFile, ReadsColoursTheWayTheFormatSplitsThem) {
    const Palette palette = ParsePaletteFile(
        paletteText("jasc-pal", {"12 34 56", "7", "1 2", "12.5 13.5 2.5", "x y z", "  9 8 7"}));
    EXPECT_EQ(palette[0], PaletteColor::fromRgb(12, 34, 56));
    EXPECT_EQ(palette[1], PaletteColor::fromRgb(0, 0, 7));    // no blank: all of it is blue
    EXPECT_EQ(palette[2], PaletteColor::fromRgb(1, 0, 2));    // one blank: green stays 0
    EXPECT_EQ(palette[3], PaletteColor::fromRgb(12, 14, 2));  // halves go to the even neighbour
    EXPECT_EQ(palette[4], PaletteColor::fromRgb(0, 0, 0));
    EXPECT_EQ(palette[5], PaletteColor::fromRgb(9, 8, 7));
    EXPECT_EQ(palette[6], PaletteColor{});  // colours after the count stay black
    EXPECT_EQ(palette[0].ColorValue, 12u + 256u * 34 + 65536u * 56);
}

TEST(PaletteFile, RefusesFilesThatAreNotPalettesOrAreDamaged) {
    const std::string notPalettes[] = {
        "",
        "RIFF\r\n0100\r\n1\r\n1 2 3\r\n",
        paletteText("JASC-PAL", {"1 2 3", "4 5 300"}),  // component out of range
        paletteText("JASC-PAL", {"1 -2 3"}),
        "JASC-PAL\r\n0100\r\n3\r\n1 2 3\r\n",                             // fewer colours than told
        "JASC-PAL\r\n0100\r\n",                                           // no count
        paletteText("JASC-PAL", std::vector<std::string>(257, "1 2 3")),  // more than 256
    };
    for (const std::string& text : notPalettes) {
        EXPECT_THROW(ParsePaletteFile(text), PaletteFileError) << text;
    }
    EXPECT_THROW(LoadPaletteFile("/nonexistent/fifa2k.pal"), PaletteFileError);
    try {
        ParsePaletteFile("nope");
    } catch (const PaletteFileError& e) {
        EXPECT_STREQ(e.what(), "FIFA2K.PAL is missing or damaged !");
    }
}

TEST(WorkPalette, StoresBlueGreenRedWithOpaqueAlphaAndReadsItBack) {
    MemoryWorkFile work(std::vector<std::uint8_t>(WorkFileLayout::kMinimumLength, 0x11));
    Palette palette{};
    palette[0] = PaletteColor::fromRgb(1, 2, 3);
    palette[255] = PaletteColor::fromRgb(250, 251, 252);
    StoreWorkPalette(work, palette);

    const auto& bytes = work.bytes();
    const std::uint32_t at = WorkFileLayout::kPaletteOffset;
    EXPECT_EQ((std::vector<int>{bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]}),
              (std::vector<int>{3, 2, 1, 255}));
    for (std::uint32_t k = 0; k < 256; ++k) EXPECT_EQ(bytes[at + 4 * k + 3], 255) << k;
    EXPECT_EQ(bytes[at - 1], 0x11);
    EXPECT_EQ(bytes[at + 1024], 0x11);
    EXPECT_EQ(LoadWorkPalette(work), palette);
}
