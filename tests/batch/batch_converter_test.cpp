// Batch conversion of single kits: what gets written, warnings, and damaged kits.
#include "batch/batch_converter.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/file_access_error.h"
#include "tests/cli/cli_fixture.h"
#include "tests/cli/preview_colours.h"
#include "tests/cli/system_reasons.h"
#include "tests/support/jersey_builder.h"

namespace {

class BatchConverterTest : public CliFixture {
protected:
    BatchConverter converter(bool sixtyFour = false, bool force = false) {
        return BatchConverter::fromFolder(path("res"), sixtyFour, force);
    }
    KitJob job(const std::string& input, const std::string& output,
               const std::string& previews = {}) {
        KitJob job{path(input), WriteTarget::examine(path(output)), {}, std::nullopt};
        for (int i = 0; !previews.empty() && i < 8; ++i) {
            job.previews.push_back(WriteTarget::examine(
                path(previews + "/" + std::filesystem::path(input).stem().string() + "-preview-" +
                     std::to_string(i) + ".png")));
        }
        return job;
    }
    std::set<std::uint32_t> previewColours(const std::string& name) {
        return ::previewColours(path(name));
    }
};

}  // namespace

TEST_F(BatchConverterTest, WritesWhatTheCoreMakesInBothColourModes) {
    for (bool sixtyFour : {false, true}) {
        EXPECT_EQ(converter(sixtyFour).convert(job("kit.fsh", "out.fsh")).error, "");
        EXPECT_EQ(read("out.fsh"), expectedJersey(kit(), sixtyFour ? 0 : 191));
    }
    EXPECT_NE(expectedJersey(kit(), 0), expectedJersey(kit(), 191));
    EXPECT_EQ(read("res/pk001.fsh"), templateBytes());  // the template is only read
}

TEST_F(BatchConverterTest, KeepsTheOldOutputWhenAKitFails) {
    write("out.fsh", Bytes{1, 2, 3});
    write("notes.fsh", Bytes{'S', 'H', 'P', 'I', 0, 0, 0, 0, 13});
    BatchConverter batch = converter();
    EXPECT_EQ(batch.convert(job("notes.fsh", "out.fsh")).error, "Not a jersey file");
    // The right header but none of the five pictures: converting would hand back the template.
    JerseyBuilder none = JerseyBuilder::standard([](int, int) { return 0; }, greyPalette());
    for (const char* tag : {"hjfr", "hjbk", "mjfr", "hrsv", "mrsv"}) none.remove(tag);
    write("none.fsh", none.build());
    EXPECT_EQ(batch.convert(job("none.fsh", "out.fsh")).error,
              "not a FIFA 99 jersey: its directory lists none of the five jersey pictures");
    EXPECT_EQ(batch.convert(job("missing.fsh", "out.fsh")).error,
              "Cannot read " + path("missing.fsh") + ": " + missingFileReason());
    // The reason is the failing call's, not whatever the clean-up left in errno. (Windows
    // refuses the target when it is examined, POSIX systems when it is written.)
    std::string noFolder;
    try {
        noFolder = batch.convert(job("kit.fsh", "no/such/out.fsh")).error;
    } catch (const FileAccessError& refused) {
        noFolder = refused.what();
    }
    EXPECT_EQ(noFolder, "Cannot write " + path("no/such/out.fsh") + ": " + missingFolderReason());
    EXPECT_EQ(read("out.fsh"), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder), {}), 5);  // no leftovers
}

TEST_F(BatchConverterTest, DamagedKitsAreRefusedUnlessForced) {
    const Bytes whole = kit();
    struct Cut {
        std::size_t length;
        const char* says;
    };
    // The last picture's palette, its pixels, and the directory itself cut short.
    for (const Cut cut :
         {Cut{whole.size() - 1, "'s palette runs to byte"},
          Cut{whole.size() - 1100, "'s pixels run to byte"}, Cut{100, "the directory needs 128"}}) {
        write("cut.fsh",
              Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut.length)));
        const KitResult refused = converter().convert(job("cut.fsh", "out.fsh"));
        EXPECT_NE(refused.error.find(cut.says), std::string::npos) << refused.error;
        EXPECT_TRUE(refused.error.starts_with("damaged: the file has " +
                                              std::to_string(cut.length) + " bytes; "));
        EXPECT_FALSE(exists("out.fsh"));

        const KitResult forced = converter(false, true).convert(job("cut.fsh", "forced.fsh"));
        EXPECT_EQ(forced.error, "");
        ASSERT_EQ(forced.warnings.size(), 1u);
        EXPECT_TRUE(forced.warnings[0].starts_with("damaged: ")) << forced.warnings[0];
        EXPECT_TRUE(exists("forced.fsh"));
    }
}

TEST_F(BatchConverterTest, WarnsAboutMissingPicturesAndFullPalettes) {
    write("nosleeve.fsh", kit("mrsv"));
    const KitResult noSleeve = converter().convert(job("nosleeve.fsh", "a.fsh"));
    EXPECT_EQ(noSleeve.error, "");
    EXPECT_EQ(noSleeve.warnings,
              std::vector<std::string>{
                  "no small sleeve picture (mrsv); the template's mslv and lslv stay as they are"});
    EXPECT_EQ(read("a.fsh"), expectedJersey(kit("mrsv"), 191));

    // 128 colours far apart on the front: more than the 64 free slots of normal mode take.
    Palette scattered{};
    for (int k = 0; k < 256; ++k)
        scattered[k] = PaletteColor::fromRgb(k * 37 % 256, k * 91 % 256, k * 53 % 256);
    write("many.fsh",
          JerseyBuilder::standard([](int x, int) { return std::uint8_t(x); }, scattered).build());
    EXPECT_EQ(converter().convert(job("many.fsh", "b.fsh")).warnings.size(), 1u);
    EXPECT_TRUE(converter(true).convert(job("many.fsh", "b.fsh")).warnings.empty());
    EXPECT_TRUE(converter().convert(job("kit.fsh", "b.fsh")).warnings.empty());
}

TEST_F(BatchConverterTest, EachKitsPreviewsStartFromEmptyBoxes) {
    write("noback.fsh", kit("hjbk"));
    BatchConverter batch = converter();
    std::filesystem::create_directory(m_folder / "prev");
    ASSERT_EQ(batch.convert(job("kit.fsh", "a.fsh", "prev")).error, "");
    EXPECT_GT(previewColours("prev/kit-preview-4.png").size(), 1u);
    ASSERT_EQ(batch.convert(job("noback.fsh", "b.fsh", "prev")).error, "");
    // No back picture: box 4 stays the light grey of an empty box, not the previous kit's back.
    EXPECT_EQ(previewColours("prev/noback-preview-4.png"), std::set<std::uint32_t>{0xFFC0C0C0});
}
