// The damaged kits and palette files of tests/data/damaged through the window's Load command:
// a kit that fails the check is refused, anything that passes it is converted with the missing
// bytes read as zero, and a palette file that cannot be read ends the program.
#include <QDir>
#include <QFile>

#include "program_folder_fixture.h"

namespace {
QString corpus(const QString& name) {
    return QStringLiteral(VESTRIX_SOURCE_DIR "/tests/data/damaged/") + name;
}
}  // namespace

class DamagedCorpusLoad : public ProgramFolderTest {
protected:
    /** A fresh program folder and window (each load patches the work file), then the load. */
    std::unique_ptr<Form1> load(const QString& kit, FakeServices& fake) {
        SetUp();
        fake.location.folder = native(m_dir.path());
        auto window = std::make_unique<Form1>(fake.services);
        window->loadJersey(kit);
        return window;
    }
    bool saveEnabled(Form1& window) {
        return window.findChild<QWidget*>(QStringLiteral("Command2"))->isEnabled();
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
            const QString kit = putJersey(
                name, read(corpus(QStringLiteral("kits/%1.fsh").arg(QString::fromLatin1(name)))));
            FakeServices fake;
            const auto window = load(kit, fake);

            const bool refused = outcome == Refused;
            const std::vector<std::string> texts = fake.messages.texts();
            if (outcome == ConvertedDamaged) {
                ASSERT_EQ(texts.size(), 1u);
                EXPECT_EQ(texts[0].rfind("This kit is damaged: the file has ", 0), 0u) << texts[0];
            } else {
                const std::vector<std::string> says{"Not a jersey file"};
                EXPECT_EQ(texts, refused ? says : std::vector<std::string>{});
            }
            EXPECT_EQ(read(path("pk001.fsh")),
                      refused ? templateBytes() : referenceConversion(kit, 191));
            EXPECT_EQ(saveEnabled(*window), !refused);
            EXPECT_TRUE(window->isRunning());
            EXPECT_TRUE(read(path("jersey.cfg")).startsWith('"' + kit.toUtf8() + '"'));
        }
    // Only the count's low byte is looked at: otherwise count_270 is the sample itself.
    EXPECT_EQ(read(path("pk001.fsh")),
              read(QStringLiteral(VESTRIX_SOURCE_DIR "/tests/data/golden/stripes-normal.fsh")));
}

TEST_F(DamagedCorpusLoad, APaletteFileThatCannotBeReadEndsTheProgramAtTheNextLoad) {
    const QStringList palettes = QDir(corpus(QStringLiteral("palettes"))).entryList(QDir::Files);
    ASSERT_GE(palettes.size(), 8);
    for (const QString& palette : palettes) {
        SCOPED_TRACE(palette.toStdString());
        const QString kit = putJersey("club.fsh");
        FakeServices fake;
        // Broken after start-up, so the load is the first to meet it.
        auto window = load(QString(), fake);
        write(path("fifa2k.pal"), read(corpus(QStringLiteral("palettes/") + palette)));
        window->loadJersey(kit);

        // A colour written as a word reads as 0, as the format has always read it.
        const bool readable = palette == QStringLiteral("word_for_a_value.pal");
        const std::vector<std::string> says{"FIFA2K.PAL is missing or damaged !"};
        EXPECT_EQ(fake.messages.texts(), readable ? std::vector<std::string>{} : says);
        EXPECT_EQ(fake.exit.statuses, readable ? std::vector<int>{} : std::vector<int>{1});
        EXPECT_EQ(saveEnabled(*window), readable);
    }
}
