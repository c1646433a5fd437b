// The damaged kits and palette files of tests/data/damaged through the window's Load command:
// a kit that fails the check is refused, anything that passes it is converted with the missing
// bytes read as zero, and a palette file that cannot be read ends the program.
#include <filesystem>

#include "tests/mainwindow/form1_fixture.h"

namespace fs = std::filesystem;

namespace {
std::string corpus(const std::string& name) {
    return VESTRIX_SOURCE_DIR "/tests/data/damaged/" + name;
}
}  // namespace

class DamagedCorpusLoad : public Form1Test {
protected:
    /** A fresh program folder and window (each load patches the work file), then the load. */
    std::unique_ptr<Form1> load(const std::string& kit) {
        SetUp();
        m_fake.messages.shown.clear();
        m_fake.exit.statuses.clear();
        auto window = startWindow();
        window->loadJersey(kit);
        return window;
    }
};

TEST_F(DamagedCorpusLoad, AKitIsRefusedWhenItFailsTheCheckAndConvertedOtherwise) {
    // Refused with "Not a jersey file"; converted, telling what a file cut short lacks; or
    // converted without a word. count_270 last, checked further below.
    enum Outcome { Refused, ConvertedDamaged, Converted };
    const std::pair<Outcome, std::vector<const char*>> groups[] = {
        {Refused, {"empty", "header_only", "lowercase_magic", "thirteen_pictures", "picture_file"}},
        {ConvertedDamaged,
         {"cut_in_directory", "cut_in_front", "cut_in_palette", "entry_past_end"}},
        {Converted, {"no_sleeve", "unknown_palette_type", "count_270"}},
    };
    for (const auto& [outcome, kits] : groups)
        for (const char* name : kits) {
            SCOPED_TRACE(name);
            const std::string kit =
                putJersey(name, read(corpus("kits/" + std::string(name) + ".fsh")));
            const auto window = load(kit);

            const bool refused = outcome == Refused;
            const std::vector<std::string> texts = m_fake.messages.texts();
            if (outcome == ConvertedDamaged) {
                ASSERT_EQ(texts.size(), 1u);
                EXPECT_TRUE(texts[0].starts_with("This kit is damaged: the file has ")) << texts[0];
            } else {
                const std::vector<std::string> says{"Not a jersey file"};
                EXPECT_EQ(texts, refused ? says : std::vector<std::string>{});
            }
            EXPECT_EQ(read(path("pk001.fsh")),
                      refused ? templateBytes() : referenceConversion(kit, 191));
            EXPECT_EQ(m_view.saveEnabled(), !refused);
            EXPECT_TRUE(window->isRunning());
            EXPECT_TRUE(read(path("jersey.cfg")).starts_with('"' + kit + '"'));
        }
    // Only the count's low byte is looked at: otherwise count_270 is the sample itself.
    EXPECT_EQ(read(path("pk001.fsh")),
              read(VESTRIX_SOURCE_DIR "/tests/data/golden/stripes-normal.fsh"));
}

TEST_F(DamagedCorpusLoad, APaletteFileThatCannotBeReadEndsTheProgramAtTheNextLoad) {
    int count = 0;
    for (const auto& palette : fs::directory_iterator(corpus("palettes"))) {
        const std::string name = palette.path().filename().string();
        SCOPED_TRACE(name);
        ++count;
        // Broken after start-up, so the load is the first to meet it.
        auto window = load("");
        const std::string kit = putJersey("club.fsh");
        write(path("fifa2k.pal"), read(palette.path().string()));
        window->loadJersey(kit);

        // A colour written as a word reads as 0, as the format has always read it.
        const bool readable = name == "word_for_a_value.pal";
        const std::vector<std::string> says{"FIFA2K.PAL is missing or damaged !"};
        EXPECT_EQ(m_fake.messages.texts(), readable ? std::vector<std::string>{} : says);
        EXPECT_EQ(m_fake.exit.statuses, readable ? std::vector<int>{} : std::vector<int>{1});
        EXPECT_EQ(m_view.saveEnabled(), readable);
    }
    EXPECT_GE(count, 8);
}
