// Converting the bundled samples for the golden files.
#include "tests/conversion/golden_conversion.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "conversion/entry_converter.h"
#include "conversion/memory_work_file.h"
#include "conversion/palette_file.h"
#include "tests/support/test_host.h"

namespace {
std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

std::vector<std::filesystem::path> bundledSamples(const std::filesystem::path& resources) {
    std::vector<std::filesystem::path> samples;
    for (const auto& item : std::filesystem::directory_iterator(resources / "samples")) {
        if (item.path().extension() == ".fsh") samples.push_back(item.path());
    }
    std::sort(samples.begin(), samples.end());
    return samples;
}

std::string goldenName(const std::filesystem::path& sample, const GoldenMode& mode) {
    return sample.stem().string() + "-" + mode.suffix + ".fsh";
}

std::vector<std::uint8_t> convertSample(const std::filesystem::path& resources,
                                        const std::filesystem::path& sample,
                                        std::int16_t paletteBase) {
    MemoryWorkFile work(fileBytes(resources / "pk001.fsh"));
    const Palette paletteFile = LoadPaletteFile((resources / "fifa2k.pal").string());
    TestHost host(paletteBase);
    ConvertJersey(
        SourceArchive(fileBytes(sample)), work, [&] { return paletteFile; }, host);
    return work.bytes();
}
