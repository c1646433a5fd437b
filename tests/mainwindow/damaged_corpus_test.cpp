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
    bool saveEnabled(Form1& window) {
        return window.findChild<QWidget*>(QStringLiteral("Command2"))->isEnabled();
    }
};

TEST_F(DamagedCorpusLoad, AKitIsRefusedWhenItFailsTheCheckAndConvertedOtherwise) {
    const QByteArray golden =
        read(QStringLiteral(VESTRIX_SOURCE_DIR "/tests/data/golden/stripes-normal.fsh"));
    const struct {
        const char* kit;
        bool refused;  // "Not a jersey file"
    } cases[] = {
        {"empty", true},
        {"header_only", true},
        {"lowercase_magic", true},
        {"thirteen_pictures", true},
        {"picture_file", true},
        {"count_270", false},
        {"cut_in_directory", false},
        {"cut_in_front", false},
        {"cut_in_palette", false},
        {"entry_past_end", false},
        {"no_sleeve", false},
        {"unknown_palette_type", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kit);
        SetUp();  // a fresh template each time: a load patches it
        FakeServices fake;
        fake.location.folder = m_dir.path();
        Form1 window(fake.services);
        const QString kit = putJersey(
            c.kit, read(corpus(QStringLiteral("kits/%1.fsh").arg(QString::fromLatin1(c.kit)))));
        window.loadJersey(kit);

        if (c.refused) {
            ASSERT_EQ(fake.messages.shown.size(), 1u);
            EXPECT_EQ(fake.messages.shown[0].text, QStringLiteral("Not a jersey file"));
            EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("Tavrimel"));
            EXPECT_EQ(read(path("pk001.fsh")), templateBytes()) << "the work file is untouched";
        } else {
            EXPECT_TRUE(fake.messages.shown.empty());
            EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(kit, 191));
        }
        EXPECT_EQ(saveEnabled(window), !c.refused);
        EXPECT_TRUE(window.isRunning());
        EXPECT_TRUE(read(path("jersey.cfg")).startsWith('"' + kit.toUtf8() + '"'));
    }
    // Only the count's low byte is looked at: otherwise the kit is the sample itself.
    SetUp();
    FakeServices fake;
    fake.location.folder = m_dir.path();
    Form1 window(fake.services);
    window.loadJersey(putJersey("count", read(corpus(QStringLiteral("kits/count_270.fsh")))));
    EXPECT_EQ(read(path("pk001.fsh")), golden);
}

TEST_F(DamagedCorpusLoad, APaletteFileThatCannotBeReadEndsTheProgramAtTheNextLoad) {
    const QStringList palettes = QDir(corpus(QStringLiteral("palettes"))).entryList(QDir::Files);
    ASSERT_GE(palettes.size(), 8);
    const QString kit = putJersey("club.fsh");
    for (const QString& palette : palettes) {
        SCOPED_TRACE(palette.toStdString());
        SetUp();
        FakeServices fake;
        fake.location.folder = m_dir.path();
        Form1 window(fake.services);
        ASSERT_TRUE(window.isRunning());
        write(path("fifa2k.pal"), read(corpus(QStringLiteral("palettes/") + palette)));
        window.loadJersey(kit);

        // A colour written as a word reads as 0, as the format has always read it.
        if (palette == QStringLiteral("word_for_a_value.pal")) {
            EXPECT_TRUE(fake.messages.shown.empty());
            EXPECT_TRUE(window.isRunning());
            continue;
        }
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.shown[0].text,
                  QStringLiteral("FIFA2K.PAL is missing or damaged !"));
        EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("Error"));
        EXPECT_EQ(fake.exit.statuses, std::vector<int>{1});
        EXPECT_FALSE(saveEnabled(window));
    }
}
