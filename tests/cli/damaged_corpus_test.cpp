// The damaged kits and palette files of tests/data/damaged through vestrix-convert: each is
// refused with its reason or converted, and nothing half-made is left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli_fixture.h"

namespace {
const std::filesystem::path kCorpus = VESTRIX_SOURCE_DIR "/tests/data/damaged";

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
}  // namespace

class DamagedCorpus : public CliFixture {};

TEST_F(DamagedCorpus, EachKitIsRefusedWithItsReasonOrConverted) {
    const auto golden = bytesOf(VESTRIX_SOURCE_DIR "/tests/data/golden/stripes-normal.fsh");
    const struct {
        const char* kit;
        int exitCode;
        const char* says;  // on stderr, in the line that names the kit
        bool forceConverts;
    } cases[] = {
        {"empty", 1, "Not a jersey file", false},
        {"header_only", 1, "Not a jersey file", false},
        {"lowercase_magic", 1, "Not a jersey file", false},
        {"thirteen_pictures", 1, "Not a jersey file", false},
        {"picture_file", 1, "Not a jersey file", false},
        {"cut_in_directory", 1, "damaged: the file has 59 bytes; the directory needs 128 bytes",
         true},
        {"cut_in_front", 1, "hjfr's pixels run to byte", true},
        {"cut_in_palette", 1, "'s palette runs to byte", true},
        {"entry_past_end", 1, "hjbk starts past the end", true},
        // Warnings only: the rest of the kit is whole.
        {"no_sleeve", 0, "no sleeve picture (hrsv); the template's hslv stays as it is", false},
        {"unknown_palette_type", 0, "", false},
        {"count_270", 0, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kit);
        const auto kit = kCorpus / "kits" / (std::string(c.kit) + ".fsh");
        const std::string out = path(std::string(c.kit) + "-2000.fsh");
        const ProgramRun run = convert({"-o", out, kit.string()});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.errors;
        // Every message about a kit starts with its name; a whole kit gets none.
        const bool named = run.errors.find(kit.string() + ": ") != std::string::npos;
        EXPECT_EQ(named, *c.says != '\0') << run.errors;
        EXPECT_NE(run.errors.find(c.says), std::string::npos) << run.errors;
        EXPECT_EQ(std::filesystem::exists(out), c.exitCode == 0);
        std::filesystem::remove(out);
        if (c.forceConverts) {
            const ProgramRun forced = convert({"--force", "-o", out, kit.string()});
            EXPECT_EQ(forced.exitCode, 0) << forced.errors;
            EXPECT_EQ(bytesOf(out).size(), golden.size());
        }
    }
    // Only the count's low byte is looked at: otherwise the kit is the sample itself.
    convert({"-o", "@count.fsh", (kCorpus / "kits/count_270.fsh").string()});
    EXPECT_EQ(read("count.fsh"), golden);
}

TEST_F(DamagedCorpus, APaletteFileThatCannotBeReadStopsBeforeAnyKit) {
    const auto shipped = std::filesystem::path(VESTRIX_SOURCE_DIR) / "resources";
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus / "palettes")) {
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const std::filesystem::path resources = m_folder / ("resources-" + name);
        std::filesystem::create_directories(resources);
        std::filesystem::copy_file(shipped / "pk001.fsh", resources / "pk001.fsh");
        std::filesystem::copy_file(entry.path(), resources / "fifa2k.pal");

        const ProgramRun run = convert({"--resources", resources.string(), "-o", "@out.fsh",
                                        (shipped / "samples/stripes.fsh").string()});
        // A colour written as a word reads as 0, as the format has always read it.
        const bool readable = name == "word_for_a_value";
        EXPECT_EQ(run.exitCode, readable ? 0 : 2) << run.errors;
        if (!readable) {
            EXPECT_EQ(run.errors,
                      "vestrix-convert: FIFA2K.PAL is missing or damaged ! (looked in " +
                          resources.string() + ")\n");
        }
        EXPECT_EQ(exists("out.fsh"), readable);
        std::filesystem::remove(path("out.fsh"));
    }
}
