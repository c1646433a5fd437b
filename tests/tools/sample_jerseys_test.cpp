// The sample FIFA 99 jerseys: archives a converter accepts (14 entries, the five pictures it
// reads at their sizes, each with an attached 0x2A or 0x24 palette), with the colour counts each
// sample is meant to have.
#include <gtest/gtest.h>

#include <set>

#include "tests/tools/fsh_walker.h"
#include "tests/tools/test_resources.h"

namespace {

struct SampleCase {
    const char* file;
    std::uint8_t paletteCode;
    bool overflowsTheFreeSlots;  // more than 64 clearly different colours on the front
};

constexpr SampleCase kSamples[] = {
    {"stripes.fsh", 0x2A, false},
    {"hoops.fsh", 0x24, false},
    {"plain_sleeves.fsh", 0x2A, false},
    {"shaded_halves.fsh", 0x24, true},
};

struct SourcePicture {
    const char* tag;
    int width;
    int height;
};

constexpr SourcePicture kConverterReads[] = {
    {"hjfr", 128, 128}, {"hjbk", 64, 64}, {"mjfr", 64, 64}, {"hrsv", 64, 48}, {"mrsv", 32, 24}};

struct Sample {
    std::vector<std::uint8_t> file;
    FshArchiveInfo archive;

    const FshEntryInfo& entry(const std::string& tag) const {
        for (const FshEntryInfo& candidate : archive.entries) {
            if (candidate.tag == tag) return candidate;
        }
        throw std::runtime_error("no entry " + tag);
    }
    /** The picture's pixels as colours of its own palette. */
    std::vector<Rgb> pixelColours(const std::string& tag) const {
        const FshEntryInfo& picture = entry(tag);
        const std::vector<Rgb> palette = paletteColours(file, picture.blocks.at(1));
        const FshBlockInfo& bitmap = picture.blocks.at(0);
        std::vector<Rgb> colours;
        for (std::uint32_t i = 0; i < bitmap.dataBytes; ++i) {
            colours.push_back(palette.at(file[bitmap.offset + 16 + i]));
        }
        return colours;
    }
};

Sample loadSample(const char* name) {
    Sample sample;
    sample.file = readBytes(committedResources() / "samples" / name);
    sample.archive = walkFsh(sample.file);
    return sample;
}

// Colours farther than 4 from every colour kept before them: the ones a FIFA 2000 conversion in
// normal mode gives a palette slot each.
int clearlyDifferentColours(const std::vector<Rgb>& pixels) {
    std::vector<Rgb> kept;
    for (const Rgb& colour : pixels) {
        if (std::all_of(kept.begin(), kept.end(),
                        [&](const Rgb& other) { return colourDistance(colour, other) > 4; })) {
            kept.push_back(colour);
        }
    }
    return static_cast<int>(kept.size());
}

}  // namespace

class SampleJersey : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleJersey, IsAFourteenPictureArchiveWithAttachedPalettes) {
    const Sample sample = loadSample(GetParam().file);
    const FshArchiveInfo& archive = sample.archive;
    EXPECT_EQ(archive.declaredLength, sample.file.size());
    EXPECT_EQ(archive.entryCount, 14u);
    EXPECT_EQ(sample.file[8], 14);  // the byte a converter checks
    EXPECT_EQ(archive.directoryId, "GIMX");
    ASSERT_EQ(archive.entries.size(), 14u);

    std::set<std::string> tags;
    for (const FshEntryInfo& entry : archive.entries) {
        SCOPED_TRACE(entry.tag);
        EXPECT_TRUE(tags.insert(entry.tag).second) << "tag twice";
        EXPECT_EQ(entry.offset % 16, 0u);
        ASSERT_EQ(entry.blocks.size(), 2u);
        const FshBlockInfo& bitmap = entry.blocks[0];
        const FshBlockInfo& palette = entry.blocks[1];
        EXPECT_EQ(bitmap.code, 0x7B);
        EXPECT_GT(bitmap.width * bitmap.height, 0);
        EXPECT_EQ(palette.code, GetParam().paletteCode);
        EXPECT_EQ(palette.width, 256);
        EXPECT_EQ(palette.height, 1);
        EXPECT_EQ(palette.next, 0u);
        // A converter reads the palette offset from two bytes only.
        EXPECT_LT(bitmap.next, 65536u);
    }
    for (const SourcePicture& source : kConverterReads) {
        SCOPED_TRACE(source.tag);
        ASSERT_TRUE(tags.contains(source.tag));
        const FshBlockInfo& bitmap = sample.entry(source.tag).blocks[0];
        EXPECT_EQ(bitmap.width, source.width);
        EXPECT_EQ(bitmap.height, source.height);
    }
}

TEST_P(SampleJersey, ColoursFitTheFreePaletteSlotsOrOverflowAsIntended) {
    const Sample sample = loadSample(GetParam().file);
    const int onFront = clearlyDifferentColours(sample.pixelColours("hjfr"));
    EXPECT_GE(onFront, 4) << "a painted kit, not a flat fill";
    if (GetParam().overflowsTheFreeSlots) {
        EXPECT_GT(onFront, 64);
        return;
    }
    EXPECT_LE(onFront, 64);
    // The whole kit keeps to about 60 colours, so its back and sleeves find their colours too.
    std::set<std::tuple<int, int, int>> kit;
    for (const FshEntryInfo& entry : sample.archive.entries) {
        for (const Rgb& c : sample.pixelColours(entry.tag)) kit.insert({c.red, c.green, c.blue});
    }
    EXPECT_LE(kit.size(), 60u);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleJersey, ::testing::ValuesIn(kSamples),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '_');
                             return name;
                         });

TEST(SampleJerseys, CoverBothPaletteTypes) {
    std::set<int> codes;
    for (const SampleCase& sample : kSamples) codes.insert(sample.paletteCode);
    EXPECT_EQ(codes, (std::set<int>{0x24, 0x2A}));
}
