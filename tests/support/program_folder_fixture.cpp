// A temporary program folder for the window tests.
#include "program_folder_fixture.h"

#include <QFile>
#include <QPushButton>

#include "conversion_table.h"
#include "entry_converter.h"
#include "jersey_builder.h"
#include "palette_file.h"
#include "test_host.h"

namespace {
QByteArray shipped(const char* name) {
    QFile file(QStringLiteral(VESTRIX_SOURCE_DIR "/resources/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}
}  // namespace

void ProgramFolderTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    write(path("pk001.fsh"), templateBytes());
    write(path("fifa2k.pal"), paletteBytes());
    write(path("subzero.jpg"), shipped("subzero.jpg"));
    m_fake.location.folder = native(m_dir.path());  // no trailing separator: the window adds it
}

QByteArray ProgramFolderTest::templateBytes() { return shipped("pk001.fsh"); }

QByteArray ProgramFolderTest::paletteBytes() { return shipped("fifa2k.pal"); }

Palette ProgramFolderTest::jerseyPalette() {
    // Colours that stand in the palette file below slot 191, so the colour mode decides whether
    // they are matched there or get slots of their own.
    const Palette file = ParsePaletteFile(paletteBytes().toStdString());
    Palette palette{};
    for (std::size_t k = 0; k < 6; ++k) palette[k] = file[10 + 30 * k];
    return palette;
}

QByteArray ProgramFolderTest::jerseyBytes() {
    const std::vector<std::uint8_t> bytes =
        JerseyBuilder::standard(
            [](int x, int y) { return static_cast<std::uint8_t>((x / 8 + y / 16) % 6); },
            jerseyPalette())
            .build();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QString ProgramFolderTest::path(const QString& name) const { return m_dir.filePath(name); }

QByteArray ProgramFolderTest::read(const QString& filePath) const {
    QFile file(filePath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << filePath.toStdString();
    return file.readAll();
}

void ProgramFolderTest::write(const QString& filePath, const QByteArray& bytes) const {
    QFile file(filePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << filePath.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QString ProgramFolderTest::putJersey(const char* name, const QByteArray& bytes) const {
    const QString jersey = path(name);
    write(jersey, bytes);
    return jersey;
}

std::unique_ptr<Form1> ProgramFolderTest::startWindow() {
    return std::make_unique<Form1>(m_fake.services);
}

std::unique_ptr<Form1> ProgramFolderTest::startAndLoad(const QString& jerseyPath) {
    auto window = startWindow();
    m_fake.dialogs.openAnswers.push_back(native(jerseyPath));
    window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(m_fake.messages.shown.empty());
    return window;
}

QByteArray ProgramFolderTest::referenceConversion(const QString& jerseyPath,
                                                  std::int16_t paletteBase) const {
    QTemporaryDir elsewhere;
    const QString folder = elsewhere.path() + QLatin1Char('/');
    write(folder + QStringLiteral("pk001.fsh"), templateBytes());
    write(folder + QStringLiteral("fifa2k.pal"), paletteBytes());
    TestHost host(paletteBase, QFile::encodeName(folder).toStdString());
    for (const ConversionTarget& target : conversionTable()) {
        ConvertEntry(QFile::encodeName(jerseyPath).toStdString(), target.targetTag, host);
    }
    return read(folder + QStringLiteral("pk001.fsh"));
}
