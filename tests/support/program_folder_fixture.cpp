// A temporary program folder for the window tests.
#include "tests/support/program_folder_fixture.h"

#include <fstream>

#include "conversion/entry_converter.h"
#include "conversion/memory_work_file.h"
#include "conversion/palette_file.h"
#include "tests/support/jersey_builder.h"
#include "tests/support/test_host.h"

std::string ProgramFolderTest::shipped(const std::string& name) {
    const std::string bytes = TempFolder::read(VESTRIX_SOURCE_DIR "/resources/" + name);
    EXPECT_FALSE(bytes.empty()) << name;
    return bytes;
}

void ProgramFolderTest::SetUp() {
    write(path("pk001.fsh"), templateBytes());
    write(path("fifa2k.pal"), paletteBytes());
    write(path("subzero.jpg"), shipped("subzero.jpg"));
    m_fake.location.folder = m_dir.path().string();  // no trailing separator: the window adds it
    m_fake.location.executable = path("vestrix");
}

Palette ProgramFolderTest::jerseyPalette() {
    // Colours that stand in the palette file below slot 191, so the colour mode decides whether
    // they are matched there or get slots of their own.
    const Palette file = ParsePaletteFile(paletteBytes());
    Palette palette{};
    for (std::size_t k = 0; k < 6; ++k) palette[k] = file[10 + 30 * k];
    return palette;
}

std::string ProgramFolderTest::jerseyBytes() {
    const std::vector<std::uint8_t> bytes =
        JerseyBuilder::standard(
            [](int x, int y) { return static_cast<std::uint8_t>((x / 8 + y / 16) % 6); },
            jerseyPalette())
            .build();
    return std::string(bytes.begin(), bytes.end());
}

void ProgramFolderTest::write(const std::string& filePath, const std::string& bytes) const {
    std::ofstream file(filePath, std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(file) << filePath;
    file << bytes;
}

std::string ProgramFolderTest::putJersey(const std::string& name, const std::string& bytes) const {
    const std::string jersey = path(name);
    write(jersey, bytes);
    return jersey;
}

std::string ProgramFolderTest::settingsText(const std::string& line1, const std::string& line2) {
    return '"' + line1 + "\"\r\n\"" + line2 + "\"\r\n";
}

std::string ProgramFolderTest::referenceConversion(const std::string& jerseyPath,
                                                   std::int16_t paletteBase) {
    const std::string kit = read(jerseyPath);
    const std::string shippedTemplate = templateBytes();
    MemoryWorkFile work(std::vector<std::uint8_t>(shippedTemplate.begin(), shippedTemplate.end()));
    const Palette paletteFile = ParsePaletteFile(paletteBytes());
    TestHost host(paletteBase);
    ConvertJersey(
        SourceArchive(std::vector<std::uint8_t>(kit.begin(), kit.end())), work,
        [&] { return paletteFile; }, host);
    return std::string(work.bytes().begin(), work.bytes().end());
}
