// The converter tests' scratch folder.
#include "tests/cli/cli_fixture.h"

#include <fstream>
#include <iterator>
#include <random>

#include "batch/embedded_resources.h"
#include "conversion/entry_converter.h"
#include "conversion/memory_preview.h"
#include "conversion/memory_work_file.h"
#include "platform/common/path_text.h"
#include "tests/support/jersey_builder.h"

namespace fs = std::filesystem;

void CliFixture::SetUp() {
    m_folder = fs::temp_directory_path() /
               ("vestrix-cli-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                // Two builds' tests may run at once: each its own folder.
                std::to_string(std::random_device{}()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder / "res");
    write("res/pk001.fsh", templateBytes());
    const std::string pal = greyPaletteText();
    write("res/fifa2k.pal", Bytes(pal.begin(), pal.end()));
    write("kit.fsh", kit());
}

void CliFixture::TearDown() { fs::remove_all(m_folder); }

CliFixture::Bytes CliFixture::templateBytes() {
    const auto shipped = EmbeddedResources::templateFile();
    return Bytes(shipped.begin(), shipped.end());
}

std::string CliFixture::greyPaletteText() {
    std::string text = "JASC-PAL\r\n0100\r\n256\r\n";
    for (int i = 0; i < 256; ++i) {
        const std::string c = std::to_string(i);
        text += c + " " + c + " " + c + "\r\n";
    }
    return text;
}

CliFixture::Bytes CliFixture::kit(const std::string& without) {
    JerseyBuilder builder = JerseyBuilder::standard(
        [](int x, int y) { return std::uint8_t((x / 4 + y / 4) % 50); }, greyPalette());
    if (!without.empty()) builder.remove(without);
    return builder.build();
}

CliFixture::Bytes CliFixture::expectedJersey(const Bytes& kit, std::int16_t paletteBase) {
    struct Host : ConversionHost {
        MemoryPreview surface{1, 1};
        std::int16_t base = 0;
        int value = 0;
        std::int16_t paletteBase() const override { return base; }
        PreviewSurface& preview(int) override { return surface; }
        int progress() const override { return value; }
        void setProgress(int v) override { value = v; }
    } host;
    host.base = paletteBase;
    MemoryWorkFile work(templateBytes());
    ConvertJersey(
        SourceArchive(kit), work, [] { return greyPalette(); }, host);
    return work.bytes();
}

void CliFixture::write(const std::string& name, const Bytes& bytes) const {
    fs::create_directories((m_folder / toPath(name)).parent_path());
    std::ofstream(m_folder / toPath(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

CliFixture::Bytes CliFixture::read(const std::string& name) const {
    std::ifstream in(m_folder / toPath(name), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

bool CliFixture::exists(const std::string& name) const {
    return fs::exists(m_folder / toPath(name));
}

std::string CliFixture::path(const std::string& name) const {
    return pathText(m_folder / toPath(name));
}

ProgramRun CliFixture::convert(std::vector<std::string> arguments) const {
    for (std::string& argument : arguments) {
        const std::size_t at = argument.starts_with("@") ? 0 : argument.find("=@");
        if (at == 0) argument = path(argument.substr(1));
        if (at != 0 && at != std::string::npos)
            argument = argument.substr(0, at + 1) + path(argument.substr(at + 2));
    }
    return runProgram(VESTRIX_CONVERT, arguments);
}
