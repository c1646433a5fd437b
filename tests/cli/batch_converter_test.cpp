// Batch conversion and the vestrix-convert program as a user runs it.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <fstream>

#include "batch_converter.h"
#include "conversion_error.h"
#include "entry_converter.h"
#include "jersey_builder.h"
#include "memory_work_file.h"
#include "work_file_layout.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes templateBytes() {
    Bytes bytes(WorkFileLayout::kMinimumLength, 0x42);
    std::copy_n("SHPI", 4, bytes.begin());
    return bytes;
}

std::string greyPaletteText() {
    std::string text = "JASC-PAL\r\n0100\r\n256\r\n";
    for (int i = 0; i < 256; ++i) text += std::to_string(i) + " " + std::to_string(i) + " " + std::to_string(i) + "\r\n";
    return text;
}

class BatchConverterTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("vestrix-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "res");
        write("res/pk001.fsh", templateBytes());
        const std::string pal = greyPaletteText();
        write("res/fifa2k.pal", Bytes(pal.begin(), pal.end()));
        write("kit.fsh", kit());
        write("notes.fsh", Bytes{'S', 'H', 'P', 'I', 0, 0, 0, 0, 13});
    }
    void TearDown() override { fs::remove_all(m_folder); }

    static Bytes kit() {
        return JerseyBuilder::standard([](int x, int y) { return std::uint8_t((x / 4 + y / 4) % 50); },
                                       greyPalette()).build();
    }
    void write(const std::string& name, const Bytes& bytes) {
        std::ofstream(m_folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes read(const std::string& name) {
        std::ifstream in(m_folder / name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    std::string path(const std::string& name) { return (m_folder / name).string(); }

    /** What the conversion core makes of kit() on the test template. */
    static Bytes expectedJersey(std::int16_t paletteBase) {
        struct Host : ConversionHost {
            MemoryPreview surface{1, 1};
            std::int16_t base;
            int value = 0;
            std::string programFolder() const override { return {}; }
            std::int16_t paletteBase() const override { return base; }
            PreviewSurface& preview(int) override { return surface; }
            int progress() const override { return value; }
            void setProgress(int v) override { value = v; }
        } host;
        host.base = paletteBase;
        MemoryWorkFile work(templateBytes());
        ConvertJersey(SourceArchive(kit()), work, [] { return greyPalette(); }, host);
        return work.bytes();
    }

    int run(const QStringList& arguments, QString* errors = nullptr) {
        QProcess process;
        process.start(QStringLiteral(VESTRIX_CONVERT), arguments);
        process.waitForFinished(20000);
        if (errors) *errors = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitCode();
    }
    QString q(const std::string& name) { return QString::fromStdString(path(name)); }

    fs::path m_folder;
};

}  // namespace

TEST_F(BatchConverterTest, WritesWhatTheCoreMakesInBothColourModes) {
    for (bool sixtyFour : {false, true}) {
        BatchConverter converter(path("res"), sixtyFour);
        EXPECT_EQ(converter.convert(path("kit.fsh"), path("out.fsh")), "");
        EXPECT_EQ(read("out.fsh"), expectedJersey(sixtyFour ? 0 : 191));
    }
    EXPECT_NE(expectedJersey(0), expectedJersey(191));
    EXPECT_EQ(read("res/pk001.fsh"), templateBytes());  // the shipped template is never touched
}

TEST_F(BatchConverterTest, KeepsTheOldOutputWhenAnInputFails) {
    write("out.fsh", Bytes{1, 2, 3});
    BatchConverter converter(path("res"), false);
    EXPECT_EQ(converter.convert(path("notes.fsh"), path("out.fsh")), "Not a jersey file");
    EXPECT_NE(converter.convert(path("missing.fsh"), path("out.fsh")), "");
    EXPECT_NE(converter.convert(path("kit.fsh"), path("no/such/folder/out.fsh")), "");
    EXPECT_EQ(read("out.fsh"), (Bytes{1, 2, 3}));
}

TEST_F(BatchConverterTest, RefusesUnusableProgramFiles) {
    write("res/pk001.fsh", Bytes(100, 0));
    EXPECT_THROW(BatchConverter(path("res"), false), WorkFileError);
    write("res/pk001.fsh", templateBytes());
    write("res/fifa2k.pal", Bytes{'x'});
    EXPECT_THROW(BatchConverter(path("res"), false), PaletteFileError);
}

TEST_F(BatchConverterTest, TheProgramConvertsReportsAndExitsAsDocumented) {
    QString errors;
    EXPECT_EQ(run({QStringLiteral("--resources"), q("res"), QStringLiteral("--previews"), q("prev"),
                   QStringLiteral("-d"), q("out"), q("kit.fsh"), q("notes.fsh")}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("notes.fsh: Not a jersey file"))) << errors.toStdString();
    EXPECT_EQ(read("out/kit.fsh"), expectedJersey(191));
    EXPECT_FALSE(fs::exists(m_folder / "out/notes.fsh"));
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(fs::exists(m_folder / ("prev/kit-preview-" + std::to_string(i) + ".png")));

    EXPECT_EQ(run({QStringLiteral("--resources"), q("res"), QStringLiteral("--64-color"), QStringLiteral("-o"),
                   q("one.fsh"), q("kit.fsh")}), 0);
    EXPECT_EQ(read("one.fsh"), expectedJersey(0));

    EXPECT_EQ(run({QStringLiteral("--resources"), q("res"), QStringLiteral("-o"), q("kit.fsh"), q("kit.fsh")}), 1);
    EXPECT_EQ(read("kit.fsh"), kit());  // never written over its own input
    EXPECT_EQ(run({QStringLiteral("-o"), q("x.fsh")}), 2);
    EXPECT_EQ(run({QStringLiteral("--resources"), q("nowhere"), QStringLiteral("-o"), q("x.fsh"), q("kit.fsh")}), 2);
    EXPECT_EQ(run({QStringLiteral("--help")}), 0);
}
