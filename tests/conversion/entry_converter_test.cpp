// Converting FIFA 99 pictures into the FIFA 2000 work file.
#include "conversion/entry_converter.h"

#include <gtest/gtest.h>

#include "conversion/memory_work_file.h"
#include "conversion/palette_file.h"
#include "conversion/work_file_layout.h"
#include "conversion/work_palette.h"
#include "tests/support/jersey_builder.h"
#include "tests/support/test_host.h"
#include "tools/fsh_blocks.h"
#include "tools/rich_kit.h"

namespace {
namespace L = WorkFileLayout;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kTemplateByte = 0xEE;

Bytes templateBytes() {
    Bytes bytes(L::kMinimumLength + 100, kTemplateByte);
    for (std::size_t i = 0; i < 16; ++i) bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
}

struct Load {
    Bytes work;
    TestHost host;
};

/** A whole load of archive onto the test template, the palette file being paletteFile. */
std::unique_ptr<Load> load(const Bytes& archive, std::int16_t paletteBase = 0,
                           const Palette& paletteFile = greyPalette(),
                           Bytes work = templateBytes()) {
    auto result = std::make_unique<Load>(Load{{}, TestHost(paletteBase)});
    MemoryWorkFile file(std::move(work));
    ConvertJersey(
        SourceArchive(archive), file, [&] { return paletteFile; }, result->host);
    result->work = file.bytes();
    return result;
}

Bytes areaOf(const Bytes& work, const L::PixelArea& area) {
    return Bytes(work.begin() + area.offset, work.begin() + area.end());
}

std::uint8_t at(const Bytes& work, const L::PixelArea& area, int x, int y) {
    return work[area.offset + static_cast<std::size_t>(y * area.width + x)];
}

/** True for bytes inside the nine pixel areas or the palette area. */
bool written(std::size_t offset) {
    if (offset >= L::kPaletteOffset && offset < L::kPaletteOffset + L::kPaletteBytes) return true;
    for (const auto& area : L::kAreasInFileOrder) {
        if (offset >= area.offset && offset < area.end()) return true;
    }
    return false;
}
}  // namespace

// In 64-colour mode against a grey palette file, a grey source index i lands on target index i,
// so the target bytes name the source row or column they were taken from.
TEST(EntryConverter, EveryTargetTakesTheRowsAndColumnsOfItsScale) {
    const auto rows = load(
        JerseyBuilder::standard([](int, int y) { return std::uint8_t(y); }, greyPalette()).build());
    const auto columns = load(
        JerseyBuilder::standard([](int x, int) { return std::uint8_t(x); }, greyPalette()).build());

    for (const ConversionTarget& t : conversionTable()) {
        SCOPED_TRACE(std::string(t.targetTag));
        const int sw = t.sourceWidth, sh = t.sourceHeight, tw = t.area.width, th = t.area.height;
        for (int r = 0; r < th; ++r) {
            const int sourceRow = std::min(r * sh / th + 1, sh - 1);
            for (int k = 0; k < tw; ++k) ASSERT_EQ(at(rows->work, t.area, k, r), sourceRow) << r;
        }
        for (int k = 0; k < tw; ++k) {
            const int sourceColumn = (2 * k * sw + tw) / (2 * tw);  // nearest; never an exact half
            const int written = t.rotatesRows() ? (k + 7) % tw : k;
            for (int r = 0; r < th; ++r)
                ASSERT_EQ(at(columns->work, t.area, written, r), sourceColumn) << k;
        }
    }
    // Spot checks of the front: source row 0 and column 2 never reach it.
    EXPECT_EQ(at(rows->work, L::kHjfr, 0, 0), 1);
    EXPECT_EQ(at(rows->work, L::kHjfr, 0, 4), 6);
    EXPECT_EQ(at(columns->work, L::kHjfr, 2, 0), 3);
    EXPECT_EQ(at(rows->work, L::kLjbx, 0, 15), 61);
}

TEST(EntryConverter, SleeveRowsAreRotatedSevenToTheRight) {
    const auto columns = load(
        JerseyBuilder::standard([](int x, int) { return std::uint8_t(x); }, greyPalette()).build());
    EXPECT_EQ(at(columns->work, L::kHslv, 0, 0), 57);
    EXPECT_EQ(at(columns->work, L::kHslv, 7, 0), 0);
    EXPECT_EQ(at(columns->work, L::kHslv, 63, 0), 56);
    EXPECT_EQ(at(columns->work, L::kLslv, 0, 0), 18);  // t9 of a 16-wide row, source column 18
    EXPECT_EQ(at(columns->work, L::kLslv, 7, 0), 0);
}

TEST(EntryConverter, OneToOneTargetsDropTheFirstRowAndRepeatTheLast) {
    auto archive = JerseyBuilder::standard([](int, int y) { return std::uint8_t(y == 0 ? 7 : 9); },
                                           greyPalette());
    const auto result = load(archive.build());
    const Bytes hjbk = areaOf(result->work, L::kHjbk);
    EXPECT_EQ(std::count(hjbk.begin(), hjbk.end(), 7), 0);
    EXPECT_TRUE(std::equal(hjbk.end() - 64, hjbk.end(), hjbk.end() - 128));
}

TEST(EntryConverter, AWholeLoadAdvancesProgressByTwoToNinety) {
    const auto full = load(
        JerseyBuilder::standard([](int x, int y) { return std::uint8_t(x ^ y); }, greyPalette())
            .build());
    std::vector<int> expected;
    for (int v = 2; v <= 90; v += 2) expected.push_back(v);
    EXPECT_EQ(full->host.steps, expected);

    const auto withoutBack = load(
        JerseyBuilder::standard([](int, int) { return 3; }, greyPalette()).remove("hjbk").build());
    EXPECT_EQ(withoutBack->host.progress(), 90 - 3 * 8);
    for (const auto& area : {L::kHjbk, L::kMjbx, L::kLjbx}) {
        EXPECT_EQ(areaOf(withoutBack->work, area), Bytes(area.size(), kTemplateByte));
    }
}

// Without previews the later pictures are mapped in bulk and rows nobody sees are passed over;
// with them every row and pixel is matched one by one. Richly shaded kits (256 colours in every
// picture, each picture its own palette) against the shipped palette file, in both modes, must
// come out alike.
TEST(EntryConverter, RichKitsConvertAlikeWithAndWithoutPreviews) {
    struct WithoutPreviews : TestHost {
        using TestHost::TestHost;
        bool wantsPreviews() const override { return false; }
    };
    const Palette paletteFile = LoadPaletteFile(VESTRIX_SOURCE_DIR "/resources/fifa2k.pal");
    for (std::uint32_t seed = 0; seed < 6; ++seed) {
        const SourceArchive kit(
            RichKit::build(seed, seed % 2 ? FshBlocks::kPaletteRgb : FshBlocks::kPaletteBgra));
        for (const std::int16_t paletteBase : {0, 191}) {
            MemoryWorkFile drawn(templateBytes()), plain(templateBytes());
            TestHost previews(paletteBase);
            WithoutPreviews none(paletteBase);
            ConvertJersey(
                kit, drawn, [&] { return paletteFile; }, previews);
            ConvertJersey(
                kit, plain, [&] { return paletteFile; }, none);
            EXPECT_EQ(plain.bytes(), drawn.bytes()) << "seed " << seed << ", base " << paletteBase;
        }
    }
}

TEST(EntryConverter, WritesOnlyPixelAreasAndPaletteAndKeepsTheLength) {
    const Bytes before = templateBytes();
    const auto result = load(
        JerseyBuilder::standard([](int x, int y) { return std::uint8_t(x * 3 + y); }, greyPalette())
            .build(),
        191);
    ASSERT_EQ(result->work.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!written(i)) {
            ASSERT_EQ(result->work[i], before[i]) << "offset " << i;
        }
    }
    for (std::uint32_t k = 0; k < 256; ++k)
        EXPECT_EQ(result->work[L::kPaletteOffset + 4 * k + 3], 255);
}

TEST(EntryConverter, NormalModeFillsTheFreeSlotsWithTheJerseysColours) {
    // 70 distinct colours, far apart: the first 64 take slots 192..255, the rest the nearest.
    Palette jersey{};
    for (int i = 0; i < 70; ++i)
        jersey[static_cast<std::size_t>(i)] =
            PaletteColor::fromRgb(3 * i, 255 - 3 * i, 10 * (i % 20));
    const auto result = load(
        JerseyBuilder::standard([](int x, int) { return std::uint8_t(x % 70); }, jersey).build(),
        191);
    MemoryWorkFile work(result->work);
    const Palette stored = LoadWorkPalette(work);
    // Slots are taken in the order the front's sampled columns meet the colours.
    std::vector<int> firstMet;
    for (int k = 0; k < 100; ++k) {
        const int colour = ((2 * k * 128 + 100) / 200) % 70;
        if (std::find(firstMet.begin(), firstMet.end(), colour) == firstMet.end())
            firstMet.push_back(colour);
    }
    ASSERT_GE(firstMet.size(), 64u);
    for (int slot = 192; slot <= 255; ++slot) {
        EXPECT_EQ(stored[static_cast<std::size_t>(slot)],
                  jersey[static_cast<std::size_t>(firstMet[slot - 192])])
            << slot;
    }
    EXPECT_EQ(stored[0], PaletteColor::fromRgb(0, 0, 0));  // the palette file's own colours stay
    EXPECT_EQ(stored[191], PaletteColor::fromRgb(191, 191, 191));
    const Bytes front = areaOf(result->work, L::kHjfr);
    EXPECT_TRUE(std::all_of(front.begin(), front.end(), [](std::uint8_t t) { return t >= 191; }));
}

TEST(EntryConverter, LaterPicturesUseTheStoredPaletteAndNeverChangeIt) {
    // Without a front, the other pictures map onto the palette already in the work file.
    Bytes work = templateBytes();
    Palette stored{};
    for (int i = 0; i < 256; ++i)
        stored[static_cast<std::size_t>(i)] = PaletteColor::fromRgb(255 - i, 0, 0);
    MemoryWorkFile file(work);
    StoreWorkPalette(file, stored);
    const Bytes before = file.bytes();

    Palette jersey{};
    jersey[1] = PaletteColor::fromRgb(250, 0, 0);
    const auto result =
        load(JerseyBuilder::standard([](int, int) { return 1; }, jersey).remove("hjfr").build(), 0,
             greyPalette(), before);
    EXPECT_EQ(areaOf(result->work, L::kHjfr), areaOf(before, L::kHjfr));
    EXPECT_TRUE(std::equal(before.begin() + L::kPaletteOffset,
                           before.begin() + L::kPaletteOffset + L::kPaletteBytes,
                           result->work.begin() + L::kPaletteOffset));
    EXPECT_EQ(areaOf(result->work, L::kHjbk), Bytes(L::kHjbk.size(), 5));
}

TEST(EntryConverter, LaterPicturesSearchFromPaletteBaseToo) {
    // A red front and dark grey (10, 10, 10) everywhere else, on the grey palette file. Either mode
    // gives red a slot of its own (192): no searched grey is within 4 of it. Normal mode: the later
    // pictures search 191..255 only, where grey 191 is nearest (181 away; red 190, greys 193..
    // more). 64 colours: they search from 0 and find the palette file's own grey 10.
    Palette red{}, darkGrey{};
    red[1] = PaletteColor::fromRgb(200, 0, 0);
    darkGrey[1] = PaletteColor::fromRgb(10, 10, 10);
    auto kit = JerseyBuilder::standard([](int, int) { return 1; }, darkGrey);
    kit.pictures.at(0).palette = red;  // the front
    for (const auto& [paletteBase, later] : {std::pair{191, 191}, {0, 10}}) {
        SCOPED_TRACE(paletteBase);
        const Bytes work = load(kit.build(), static_cast<std::int16_t>(paletteBase))->work;
        EXPECT_EQ(areaOf(work, L::kHjfr), Bytes(L::kHjfr.size(), 192));
        for (const auto& area : L::kAreasInFileOrder) {
            if (area.offset != L::kHjfr.offset) {
                EXPECT_EQ(areaOf(work, area), Bytes(area.size(), later)) << area.offset;
            }
        }
    }
}

TEST(EntryConverter, APictureInTheLastOfTheFourteenRecordsIsConverted) {
    auto pixel = [](int x, int y) { return std::uint8_t(x ^ y); };
    const Bytes reference = load(JerseyBuilder::standard(pixel, greyPalette()).build())->work;
    auto kit = JerseyBuilder::standard(pixel, greyPalette()).remove("hjbk");
    while (kit.pictures.size() < 13)
        kit.add({"face", 1, 1, [](int, int) { return 0; }, greyPalette()});
    kit.add({"hjbk", 64, 64, pixel, greyPalette()});
    EXPECT_EQ(load(kit.build())->work, reference);
}

TEST(EntryConverter, PaletteTypesAndTagsAreReadAsTheGameWritesThem) {
    auto pixel = [](int x, int y) { return std::uint8_t((x / 8 + y / 8) % 40); };
    Palette colours{};
    for (int i = 0; i < 40; ++i)
        colours[static_cast<std::size_t>(i)] = PaletteColor::fromRgb(6 * i, 100, 255 - 6 * i);
    const Bytes reference = load(JerseyBuilder::standard(pixel, colours, 0x2A).build(), 191)->work;

    EXPECT_EQ(load(JerseyBuilder::standard(pixel, colours, 0x24).build(), 191)->work, reference);

    auto capitals = JerseyBuilder::standard(pixel, colours);
    for (auto& picture : capitals.pictures) {
        for (auto& c : picture.tag) c = static_cast<char>(std::toupper(c));
    }
    EXPECT_EQ(load(capitals.build(), 191)->work, reference);

    // A second front later in the directory is ignored.
    auto duplicate = JerseyBuilder::standard(pixel, colours);
    duplicate.add({"hjfr", 128, 128, [](int, int) { return 39; }, colours});
    EXPECT_EQ(load(duplicate.build(), 191)->work, reference);

    // The unused high bytes of the entry offset and of the palette distance are ignored.
    Bytes archive = JerseyBuilder::standard(pixel, colours).build();
    for (int record = 0; record < 5; ++record) {
        archive[16 + 8 * record + 7] = 0x5A;
        const std::size_t entry = archive[16 + 8 * record + 4] | archive[16 + 8 * record + 5] << 8 |
                                  archive[16 + 8 * record + 6] << 16;
        archive[entry + 3] = 0x33;
    }
    EXPECT_EQ(load(archive, 191)->work, reference);
}

TEST(EntryConverter, AnUnknownPaletteTypeConvertsAsBlack) {
    Palette colours{};
    colours[4] = PaletteColor::fromRgb(200, 30, 30);
    Palette file = greyPalette();
    file[9] = PaletteColor::fromRgb(0, 0, 0);  // index 0 is black too: the lowest wins
    const auto result =
        load(JerseyBuilder::standard([](int, int) { return 4; }, colours, 0x2D).build(), 0, file);
    EXPECT_EQ(areaOf(result->work, L::kHjfr), Bytes(L::kHjfr.size(), 0));
    EXPECT_EQ(result->host.memoryPreview(0).pixel(5, 5), 0u);
}

TEST(EntryConverter, PreviewsShowSourceAndResultInTheirBoxes) {
    Palette colours{};
    colours[1] = PaletteColor::fromRgb(10, 20, 30);
    const auto result =
        load(JerseyBuilder::standard([](int, int) { return 1; }, colours).build(), 0);
    const TestHost& host = result->host;
    auto& h = const_cast<TestHost&>(host);
    EXPECT_EQ(h.memoryPreview(0).pointCount(), 128 * 128);
    EXPECT_EQ(h.memoryPreview(0).pixel(127, 127), colours[1].ColorValue);
    EXPECT_EQ(h.memoryPreview(1).pointCount(), 128 * 100);  // every source row, 100 samples each
    EXPECT_EQ(h.memoryPreview(2).pointCount(), 0);
    EXPECT_EQ(h.memoryPreview(3).pointCount(),
              64 * 50 + 64 * 25 + 64 * 32 + 64 * 16 + 24 * 32 + 24 * 16);
    EXPECT_FLOAT_EQ(h.memoryPreview(3).currentY(), 23.0f / 2);
}

TEST(EntryConverter, DamagedSourcesReadAsZerosAndStayInsideTheAreas) {
    const Bytes archive =
        JerseyBuilder::standard([](int x, int y) { return std::uint8_t(x + y); }, greyPalette())
            .build();
    const Bytes before = templateBytes();
    for (std::size_t length : {std::size_t{0}, std::size_t{20}, std::size_t{130}, std::size_t{5000},
                               archive.size() - 1}) {
        SCOPED_TRACE(length);
        Bytes cut(archive.begin(), archive.begin() + static_cast<std::ptrdiff_t>(length));
        Bytes wild = archive;
        wild[16 + 4] = 0xFF, wild[16 + 5] = 0xFF, wild[16 + 6] = 0xFF;  // front far past the end
        for (const Bytes& damaged : {cut, wild}) {
            const auto result = load(damaged, 191);
            ASSERT_EQ(result->work.size(), before.size());
            for (std::size_t i = 0; i < before.size(); ++i) {
                if (!written(i)) {
                    ASSERT_EQ(result->work[i], before[i]);
                }
            }
        }
    }
}
