// The damaged kits and palette files of tests/data/damaged through vestrix-convert: each is
// refused with its reason or converted, and nothing half-made is left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/cli/cli_fixture.h"

namespace {
const std::filesystem::path kSource = VESTRIX_SOURCE_DIR;
const std::filesystem::path kCorpus = kSource / "tests/data/damaged";
}  // namespace

class DamagedCorpus : public CliFixture {};

TEST_F(DamagedCorpus, EachKitIsRefusedWithItsReasonOrConverted) {
    const struct {
        const char* kit;
        int exitCode;
        const char* says;  // in the message that names the kit; a whole kit gets none
    } cases[] = {
        {"empty", 1, "Not a jersey file"},
        {"header_only", 1, "Not a jersey file"},
        {"lowercase_magic", 1, "Not a jersey file"},
        {"thirteen_pictures", 1, "Not a jersey file"},
        {"picture_file", 1, "Not a jersey file"},
        {"cut_in_directory", 1, "damaged: the file has 59 bytes; the directory needs 128 bytes"},
        {"cut_in_front", 1, "hjfr's pixels run to byte"},
        {"cut_in_palette", 1, "'s palette runs to byte"},
        {"entry_past_end", 1, "hjbk starts past the end"},
        {"no_sleeve", 0, "warning: no sleeve picture (hrsv); the template's hslv stays as it is"},
        {"unknown_palette_type", 0, ""},
        {"count_270", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kit);
        const std::string kit = (kCorpus / "kits" / c.kit).string() + ".fsh";
        const ProgramRun run = convert({"-o", "@out.fsh", kit});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.errors;
        EXPECT_EQ(run.errors.find(kit + ": ") != std::string::npos, *c.says != '\0') << run.errors;
        EXPECT_NE(run.errors.find(c.says), std::string::npos) << run.errors;
        EXPECT_EQ(exists("out.fsh"), c.exitCode == 0);
        std::filesystem::remove(path("out.fsh"));
        // A damaged kit that passes the check is converted when asked to.
        if (std::string(c.says).find("damaged") != std::string::npos) {
            EXPECT_EQ(convert({"--force", "-o", "@out.fsh", kit}).exitCode, 0);
            EXPECT_TRUE(exists("out.fsh"));
            std::filesystem::remove(path("out.fsh"));
        }
    }
    // Only the count's low byte is looked at: otherwise count_270 is the sample itself.
    convert({"-o", "@out.fsh", (kCorpus / "kits/count_270.fsh").string()});
    std::ifstream golden(kSource / "tests/data/golden/stripes-normal.fsh", std::ios::binary);
    EXPECT_EQ(read("out.fsh"), Bytes(std::istreambuf_iterator<char>(golden), {}));
}

TEST_F(DamagedCorpus, APaletteFileThatCannotBeReadStopsBeforeAnyKit) {
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus / "palettes")) {
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const std::filesystem::path resources = m_folder / name;
        std::filesystem::create_directories(resources);
        std::filesystem::copy_file(kSource / "resources/pk001.fsh", resources / "pk001.fsh");
        std::filesystem::copy_file(entry.path(), resources / "fifa2k.pal");

        const ProgramRun run = convert({"-q", "--resources", resources.string(), "-o", "@out.fsh",
                                        (kSource / "resources/samples/stripes.fsh").string()});
        // A colour written as a word reads as 0, as the format has always read it.
        const bool readable = name == "word_for_a_value";
        EXPECT_EQ(run.exitCode, readable ? 0 : 2);
        EXPECT_EQ(run.errors,
                  readable ? ""
                           : "vestrix-convert: FIFA2K.PAL is missing or damaged ! (looked in " +
                                 resources.string() + ")\n");
        EXPECT_EQ(exists("out.fsh"), readable);
        std::filesystem::remove(path("out.fsh"));
    }
}
