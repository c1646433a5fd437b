// What a kit lacks, against byte positions worked out from the test archive's own layout.
#include "conversion/kit_gaps.h"

#include <gtest/gtest.h>

#include "tests/support/jersey_builder.h"

namespace {
using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

Bytes cut(Bytes bytes, std::size_t length) {
    bytes.resize(length);
    return bytes;
}
}  // namespace

TEST(KitGaps, ListsMissingPicturesAndEverythingPastTheEnd) {
    const auto pixel = [](int x, int y) { return std::uint8_t(x ^ y); };
    const JerseyBuilder whole = JerseyBuilder::standard(pixel, greyPalette());
    JerseyBuilder none = whole;
    for (const char* tag : {"hjfr", "hjbk", "mjfr", "hrsv", "mrsv"}) none.remove(tag);
    JerseyBuilder capitals = whole;
    capitals.pictures[0].tag = "HJFR";
    JerseyBuilder oddPalette = whole;
    oddPalette.pictures[4].paletteType = 0x11;  // an unknown block: only its header is read

    // The builder puts the 128-byte directory first, then each picture: a 16-byte header, its
    // pixels, a 16-byte palette header and 1024 colour bytes. hjfr: 128 + 16 + 128 x 128 = 16528.
    const std::size_t hjfrPixelsEnd = 128 + 16 + 128 * 128, hjfrPaletteEnd = hjfrPixelsEnd + 1040;
    const std::size_t hjbkPixelsEnd = hjfrPaletteEnd + 16 + 64 * 64;
    const struct {
        const char* what;
        Bytes kit;
        Texts missing;
        Texts damage;
    } cases[] = {
        {"whole", whole.build(), {}, {}},
        {"tag in capitals", capitals.build(), {}, {}},
        {"unknown palette type", oddPalette.build(), {}, {}},
        {"no sleeves",
         JerseyBuilder(whole).remove("hrsv").remove("mrsv").build(),
         {"hrsv", "mrsv"},
         {}},
        {"none of the five", none.build(), {"hjfr", "hjbk", "mjfr", "hrsv", "mrsv"}, {}},
        {"cut in hjbk's pixels",
         cut(whole.build(), hjbkPixelsEnd - 1),
         {},
         {"the file has " + std::to_string(hjbkPixelsEnd - 1) + " bytes",
          "hjbk's pixels run to byte " + std::to_string(hjbkPixelsEnd),
          "hjbk's palette starts past the end", "mjfr starts past the end",
          "hrsv starts past the end", "mrsv starts past the end"}},
        {"cut in hjfr's palette",
         cut(whole.build(), hjfrPaletteEnd - 1),
         {},
         {"the file has " + std::to_string(hjfrPaletteEnd - 1) + " bytes",
          "hjfr's palette runs to byte " + std::to_string(hjfrPaletteEnd),
          "hjbk starts past the end", "mjfr starts past the end", "hrsv starts past the end",
          "mrsv starts past the end"}},
        {"cut in the directory",
         cut(whole.build(), 30),  // hjfr's record whole, hjbk's but the offset's third byte
         {"mjfr", "hrsv", "mrsv"},
         {"the file has 30 bytes", "the directory needs 128 bytes", "hjfr starts past the end",
          "hjbk starts past the end"}},
    };
    for (const auto& c : cases) {
        const KitGaps gaps = KitGaps::of(SourceArchive(c.kit));
        EXPECT_EQ(gaps.missingPictures, c.missing) << c.what;
        EXPECT_EQ(gaps.damage, c.damage) << c.what;
        EXPECT_EQ(gaps.listsNoJerseyPicture(), c.missing.size() == 5) << c.what;
    }
}
