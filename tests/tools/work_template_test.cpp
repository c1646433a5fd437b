// pk001.fsh: a FIFA 2000 jersey archive that any FSH reader lists, with its pixel areas and its
// palette exactly where the converter writes them.
#include <gtest/gtest.h>

#include <map>

#include "conversion/work_file_layout.h"
#include "tests/tools/fsh_walker.h"
#include "tests/tools/test_resources.h"

namespace L = WorkFileLayout;

namespace {

constexpr std::uint32_t kBlockHeader = 16;

std::vector<std::uint8_t> committedTemplate() {
    return readBytes(committedResources() / "pk001.fsh");
}

}  // namespace

TEST(WorkTemplate, ReaderListsNineBitmapsAtTheConvertersOffsets) {
    const std::vector<std::uint8_t> file = committedTemplate();
    ASSERT_EQ(file.size(), L::kMinimumLength);
    const FshArchiveInfo archive = walkFsh(file);
    EXPECT_EQ(archive.declaredLength, file.size());
    EXPECT_EQ(archive.entryCount, 9u);
    EXPECT_EQ(archive.directoryId, "GIMX");
    ASSERT_EQ(archive.entries.size(), std::size(L::kAreasInFileOrder));

    for (std::size_t i = 0; i < archive.entries.size(); ++i) {
        const FshEntryInfo& entry = archive.entries[i];
        const L::PixelArea& area = L::kAreasInFileOrder[i];
        SCOPED_TRACE(area.tag);
        EXPECT_EQ(entry.tag, area.tag);
        const FshBlockInfo& bitmap = entry.blocks.front();
        EXPECT_EQ(bitmap.code, 0x7B);
        EXPECT_EQ(bitmap.width, area.width);
        EXPECT_EQ(bitmap.height, area.height);
        EXPECT_EQ(bitmap.offset + kBlockHeader, area.offset);
        // Header bytes 8..15 (centre, position, mipmaps) are all zero.
        for (std::uint32_t b = 8; b < kBlockHeader; ++b) EXPECT_EQ(file[bitmap.offset + b], 0);

        if (entry.tag == "hjfr") {
            ASSERT_EQ(entry.blocks.size(), 2u);
            const FshBlockInfo& palette = entry.blocks[1];
            EXPECT_EQ(palette.code, 0x2A);
            EXPECT_EQ(palette.offset + kBlockHeader, L::kPaletteOffset);
            EXPECT_EQ(palette.width, 256);
            EXPECT_EQ(palette.height, 1);
            EXPECT_EQ(palette.next, 0u);
        } else {
            EXPECT_EQ(entry.blocks.size(), 1u);
            EXPECT_EQ(bitmap.next, 0u);
        }
    }

    // The gaps the layout leaves are zero padding.
    const std::pair<std::uint32_t, std::uint32_t> gaps[] = {
        {L::kPaletteOffset + L::kPaletteBytes, L::kHjbk.offset - kBlockHeader},
        {L::kMjfr.end(), L::kMjbx.offset - kBlockHeader},
        {L::kLjfr.end(), L::kLjbx.offset - kBlockHeader}};
    for (const auto& [from, to] : gaps) {
        for (std::uint32_t at = from; at < to; ++at) EXPECT_EQ(file[at], 0) << "at " << at;
    }
}

TEST(WorkTemplate, PaletteAreaHoldsThePaletteFileOpaque) {
    const std::vector<std::uint8_t> file = committedTemplate();
    const std::vector<Rgb> expected = readJascColours(committedResources() / "fifa2k.pal");
    ASSERT_EQ(file.size(), L::kMinimumLength);
    ASSERT_EQ(expected.size(), 256u);
    for (std::size_t k = 0; k < 256; ++k) {
        const std::size_t at = L::kPaletteOffset + 4 * k;
        EXPECT_EQ((Rgb{file[at + 2], file[at + 1], file[at]}), expected[k]) << "colour " << k;
        EXPECT_EQ(file[at + 3], 0xFF) << "alpha of colour " << k;
    }
}

TEST(WorkTemplate, PicturesAreALightGreyKitInTheFixedColours) {
    // A load whose jersey lacks a picture keeps the template's, while slots 192..255 then hold
    // that jersey's colours: the template may only use the fixed colours 0..191.
    const std::vector<std::uint8_t> file = committedTemplate();
    ASSERT_EQ(file.size(), L::kMinimumLength);
    for (const L::PixelArea& area : L::kAreasInFileOrder) {
        std::map<std::uint8_t, int> uses;
        for (std::uint32_t at = area.offset; at < area.end(); ++at) {
            EXPECT_LT(file[at], 192) << area.tag << " at " << at;
            ++uses[file[at]];
        }
        // Mostly one light, neutral grey: a plain shirt, not noise or black.
        const auto commonest = std::max_element(uses.begin(), uses.end(),
                                                [](auto a, auto b) { return a.second < b.second; });
        const std::size_t at = L::kPaletteOffset + 4 * commonest->first;
        EXPECT_EQ(file[at], file[at + 1]) << area.tag;
        EXPECT_EQ(file[at + 1], file[at + 2]) << area.tag;
        EXPECT_GE(file[at], 160) << area.tag;
        EXPECT_GE(commonest->second * 3, static_cast<int>(area.size())) << area.tag;
    }
}
